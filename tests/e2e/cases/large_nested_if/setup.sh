# if statements nested 1,500 deep (the parser's stack allows about 2,500),
# each with an else branch, and an unreachable statement at the bottom.
awk 'BEGIN {
    printf "<?php\n$c = 1;\n";
    for (i = 0; i < 1500; i++) printf "if ($c) {\n";
    printf "return;\necho $c;\n";
    for (i = 0; i < 1500; i++) printf "} else {\n$c = %d;\n}\n", i;
}' > case.php
