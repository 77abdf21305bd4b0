# A file whose syntax tree needs far more memory than the limit below.
awk 'BEGIN { print "<?php"; for (i = 0; i < 200000; i++) print "function f" i "($a) { $b = $a + " i "; return $b . \"x\"; }" }' > case.php
