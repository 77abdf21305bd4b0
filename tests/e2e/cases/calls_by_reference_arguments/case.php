<?php
// A plain variable passed at a by-reference parameter is assigned by the
// call, even when a global of that name exists.
$matches = array();
$out = array();
function parse($s) {
    preg_match('/(a)/', $s, $matches);
    exec("ls", $out);
    Tool::fill($list);
    return count($matches) + count($out) + count($list);
}
class Tool {
    static function fill(&$target) { $target = array(1); }
}
function fillMine(&$x) { $x = 1; }
function useIt() { fillMine($mine); return $mine; }
echo parse("a") . useIt();
