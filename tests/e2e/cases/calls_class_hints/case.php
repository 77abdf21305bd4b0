<?php
// Hints naming built-in classes, and classes declared further down.
function describe(Exception $e) { return $e->getMessage(); }
describe(new Exception("x"));
describe(new RuntimeException("y"));
describe(new ArrayObject());
function feed(Animal $a) { return $a; }
feed(new Dog());
feed(new Stone());
feed(null);
class Animal {}
class Dog extends Animal {}
class Stone {}
// self and parent as hints name the class and its parent.
class Cat extends Animal {
    function same(self $other) { return $other; }
    function up(parent $other) { return $other; }
}
$c = new Cat();
$c->same(new Cat());
// A hint on an object: any object.
function anything(object $o) { return $o; }
anything(new Stone());
anything(1);
