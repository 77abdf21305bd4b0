<?php
// The file has globals named like the locals that by-reference arguments fill.
$m = array();
$out = array();
$count = 0;

function firstGroup($re, $s) {
    if (preg_match($re, $s, $m)) {
        return $m[1];
    }
    return null;
}

function allGroups($re, $s) {
    preg_match_all($re, $s, $m, PREG_SET_ORDER);
    return $m;
}

function run($command) {
    exec($command, $out);
    return $out;
}

function replaced($s) {
    $r = str_replace('a', 'b', $s, $count);
    return $r . $count;
}

function fill(&$target) {
    $target = array(1);
}

function useFill() {
    fill($out);
    return $out[0];
}

echo firstGroup('/(a)/', 'a') . run('ls') . replaced('a') . useFill();
print_r(allGroups('/a/', 'a'));
