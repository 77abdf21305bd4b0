<?php
class Base {
    const LIMIT = 10;
    const LIMIT = 20;
    const Mixed = 1;
}
class Child extends Base {
    const OWN = 1;
    public $max = self::LIMIT;
    public $top = parent::LIMIT;
    public $unchecked = self::MISSING;
}
echo Child::LIMIT, Child::OWN, Base::Mixed;
echo Base::OWN;
echo Base::MIXED;
echo UNDEFINED_ONE, UNDEFINED_ONE;
echo UNDEFINED_ONE;
echo Undefined_Two;
echo true, FALSE, Null;
function f($x = SOME_DEFAULT, $y = -OTHER_DEFAULT) {
    return "${x}";
}
