<?php
function some($x) { if ($x) return 1; }
function none() { return; }
function mixed($x) { if ($x) return 1; return; }
function both($x) { if ($x) { return 1; } else { return 2; } }
function loop($x) { while ($x) { return 1; } }
function switched($x) { switch ($x) { case 1: return 1; default: return 2; } }
function switchedPartly($x) { switch ($x) { case 1: return 1; case 2: break; } }
// Paths that end in exit, die or throw do not fall off the end.
function exits($x) { if ($x) return 1; exit; }
function dies($x) { if ($x) return 1; die("no"); }
function diesLoudly($x) { if ($x) return 1; DIE(); }
function throws($x) { if ($x) return 1; throw new Exception("x"); }
function nothing($x) { if ($x) echo 1; }
echo some(1) . none() . mixed(1) . both(1) . loop(1) . switched(1) . switchedPartly(1);
echo exits(1) . dies(1) . diesLoudly(1) . throws(1) . nothing(1);
