<?php
abstract class Registry {
    public static final function a() {}
    public final static function b() {}
    static protected final function c() {}
    static final private function d() {}
    final public static function e() {}
    final static protected function f() {}
    abstract public function g();
    public abstract function h();
    abstract protected function i();
    protected abstract function j();
    static private $instance;
    private static $count = 0;
    static $shared;
    var $plain;
}
