<?php
class Base {
    public $name;
    protected $items = array();
    private $secret;
    public static $count = 0;
}
class Derived extends Base {
    public $name = 'again';
    private $secret;
    public $own, $own;
    var $plain;
    static $count;
}
class MyError extends Exception {
    protected $message = 'custom';
    protected $extra;
}
