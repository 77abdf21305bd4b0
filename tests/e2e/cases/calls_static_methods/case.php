<?php
class Base {
    public static function make() { return 1; }
    public function inst() { return 2; }
    private static function secret() { return 3; }
    protected static function guarded($x) { return $x; }
    private function hidden() { return 4; }
}
class Child extends Base {
    function test() {
        Base::inst();
        parent::inst();
        Base::guarded(1);
        Base::guarded();
        Base::secret();
        Base::hidden();
        self::make();
        SELF::make();
        Child::guarded(2);
    }
}
Base::make();
Base::make(1);
Base::inst();
Base::nosuch();
Base::secret();
class Other {
    function t() {
        Base::inst();
        Base::guarded(1);
    }
}
class MyException extends Exception {
    function __construct($message) { parent::__construct($message); }
}
