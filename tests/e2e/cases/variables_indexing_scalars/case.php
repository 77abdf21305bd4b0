<?php
$s = 'abc';
echo $s[0];
echo $s[0][1];
$n = 5;
echo $n[0];
$f = 1.5;
echo $f[0][1];
$a = array(1, 2);
echo $a[0][1][2];
$b[] = 1;
echo $b[0][1];
$m = 7;
$m = 'text';
echo $m[0];
$z = null;
echo $z['k'];

function local($p) {
    $t = 3;
    $s = 'x';
    return $t[0] . $s{0} . $p[0][1];
}
echo local(1);
