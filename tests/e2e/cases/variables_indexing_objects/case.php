<?php
class Base implements ArrayAccess {
    function offsetExists($o) { return false; }
    function offsetGet($o) { return null; }
    function offsetSet($o, $v) {}
    function offsetUnset($o) {}
}
class Child extends Base {}
class GrandChild extends Child {}
class Plain {}
interface Rows extends ArrayAccess {}
class Table implements Rows {
    function offsetExists($o) { return false; }
    function offsetGet($o) { return null; }
    function offsetSet($o, $v) {}
    function offsetUnset($o) {}
}

$c = new Child;
echo $c['k'];
echo $c['k']['j'];
$g = new GrandChild;
echo $g['k'];
$p = new Plain;
echo $p['k'];
echo $p['k']['j'];
$t = new Table;
echo $t[0];
$o = new ArrayObject(array());
echo $o[0][1];
