<?php
// Loop, list and catch variables inside functions, while the file has
// globals of the same names.
$k = 0;
$row = null;
$a = 1;
$b = 2;
$e = null;

function index($rows) {
    $list = array();
    foreach ($rows as $k => $row) {
        $list[$k] = $row;
    }
    foreach ($rows as $row) {
        $list[] = $row;
    }
    return $list;
}

function pair($s) {
    list($a, $b) = explode(',', $s);
    return $a . $b;
}

function nested($s) {
    list($a, list($b)) = array($s, array($s));
    return $a . $b;
}

function guarded($s) {
    $v = '';
    try {
        $v = strtoupper($s);
    } catch (Exception $e) {
        $v = $e->getMessage();
    }
    return $v;
}

echo pair('x,y') . nested('z') . guarded('a');
print_r(index(array(1, 2)));
