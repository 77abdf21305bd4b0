# 100,000 statements in one list, the last one unreachable.
awk 'BEGIN {
    printf "<?php\n";
    for (i = 0; i < 99998; i++) printf "$v%d = %d;\n", i % 50, i;
    printf "exit;\necho $v1;\n";
}' > case.php
