<?php
class A {} $o = new A(); $c = array(1);
$a = = 1; ?>x<?php FOO = 2;
$a = = 1; ?>x<?php list($b, FOO) = $c;
$a = = 1; ?>x<?php ++FOO;
$a = = 1; ?>x<?php FOO--;
$a = = 1; ?>x<?php
FOO = 3;
echo 1 2;
$o->;
