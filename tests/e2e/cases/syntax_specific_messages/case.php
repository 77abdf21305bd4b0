<?php
$a = 1; $b = array(1);
FOO = 1;
FOO %= 1;
FOO .= 'a';
FOO = &$a;
FOO = &new A();
list($a, FOO) = $b;
if (isset(FOO)) {}
if (empty(FOO)) {}
unset(FOO);
static FOO;
foreach ($b as FOO) {}
foreach ($b as $k => FOO) {}
$r = &FOO;
++FOO;
--FOO;
FOO++;
FOO--;
