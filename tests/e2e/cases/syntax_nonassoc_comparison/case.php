<?php
$ok = $a == $b && $b < $c;
$r = ($a == $b == $c); ?>
x<?php
$s = $a < $b < $c;
