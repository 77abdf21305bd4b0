<?php
class A {
    public $class;
    var $list = array(1, 2, );
    function list() { return $this->class; }
}
abstract class Shape {
    abstract function area();
}
class Circle implements Drawable Printable {}
interface Drawable {}
function list() {}
$a = new A();
$a->class = array();
echo $a->list();
$x = array(1, 2, );
list($p, , $q) = $x;
echo $p, $q;
