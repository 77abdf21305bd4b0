<?php
$a = 1
$b = 2;
echo $a, $b
;
$c = 5 6;
