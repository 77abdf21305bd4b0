<?php
function pair($a, $b = 1) { return $a + $b; }
echo pair(1) . pair(1, 2);
echo pair();
echo pair(1, 2, 3);
// Reading the arguments dynamically: any count is accepted.
function sum() { $t = 0; foreach (func_get_args() as $v) $t += $v; return $t; }
echo sum() . sum(1, 2, 3, 4);
function counted($x) { return FUNC_NUM_ARGS(); }
echo counted() . counted(1, 2);
// A named constant as a default counts as a default.
function limited($x = SOME_LIMIT) { return $x; }
echo limited();
// Hints: array, a class declared nowhere, not allowed built-in type names.
function listed(Array $a) { return count($a); }
echo listed(array()) . listed(5) . listed("x");
function typed(integer $i, string $s, int $j) { return $i; }
echo typed(1, "a", 2);
function thing(Widget $w) { return $w; }
thing(1);
// A null default accepts null whatever the hint.
function maybe(array $a = null, Widget $w = NULL) { return $a; }
maybe(null, null);
maybe(null, 2);
function strict(array $a) { return $a; }
strict(null);
// Redefinitions: of a user function and of a built-in one.
function pair($x) { return $x; }
function STRLEN($s) { return 0; }
function Strlen($s) { return 1; }
