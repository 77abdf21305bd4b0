# A 200,000-operand concatenation in one statement.
awk 'BEGIN {
    printf "<?php\n$a = \"x\";\n$s = $a";
    for (i = 1; i < 200000; i++) printf " . $a";
    printf ";\necho $s;\n";
}' > case.php
