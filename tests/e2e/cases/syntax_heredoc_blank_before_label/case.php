<?php
$a = <<< EOS
first
 EOS
EOS;
$b = <<<	EOT
second $a
EOT;
echo $a, $b;
