<?php
// Classes may be used before they are declared, and extend or implement
// classes declared further down.
$shape = new Square();
echo Square::SIDES, Square::NAME, Shape::NAME;
if ($shape instanceof Named) {
    echo 'named';
}
class Square extends Shape {
    const SIDES = 4;
}
abstract class Shape implements Named {
    const NAME = 'shape';
}
interface Named {
}
// Never declared anywhere.
$missing = new Missing();
echo Unknown::CONSTANT, Unknown::$count;
// "self" and "parent" outside a class name nothing.
$nobody = new self();
