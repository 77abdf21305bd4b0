<?php
interface HasLimits {
    const MAX = 10;
}
interface MoreLimits extends HasLimits {
    const MIN = 1;
    function limits();
}
class Base implements MoreLimits {
    public $m = self::MAX;
    public function limits() {
        return self::MIN + HasLimits::MAX;
    }
}
class Child extends Base {
    public function all() {
        return self::MAX + parent::MIN + Child::MIN;
    }
}
echo HasLimits::MAX, MoreLimits::MAX, MoreLimits::MIN, Base::MAX, Child::MIN, Child::NONE;
echo MoreLimits::NONE;
