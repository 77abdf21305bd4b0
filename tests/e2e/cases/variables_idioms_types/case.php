<?php
// A variable's type is the one last given to it; a static is the
// function's own even when the file has a global of its name.
$hits = 0;
class Foo {
    function m() {
        return 1;
    }
}

function make() {
    $x = null;
    $x = new Foo;
    return $x->m();
}

function text() {
    $s = '';
    $s .= 'x';
    return $s[0];
}

function cached($k) {
    static $cache = array();
    static $hits;
    $cache[$k] = 1;
    if (empty($hits)) {
        $hits = 0;
    }
    $hits++;
    return $cache;
}

function retyped() {
    $m = 7;
    $m = 'text';
    return $m[0];
}

function grown() {
    $rows[] = array(1);
    $rows[0][] = 2;
    return $rows[0][1];
}

function placeholder($ok) {
    $row = null;
    if ($ok) {
        $row = array('id' => 1);
    }
    return $row['id'];
}

$o = new ArrayObject(array(1));
echo $o[0] . make() . text() . retyped() . grown() . placeholder(true);
print_r(cached('k'));
