<?php
class Counter {
    public static $count = 0;
    protected static $step = 1;
    private static $limit = 10;
    public $value = 0;
    public function bump() {
        self::$count = self::$count + self::$step;
        echo self::$limit, self::$value, Counter::$limit, Counter::$value;
    }
}
class Sub extends Counter {
    public function more() {
        echo parent::$count, parent::$step, Sub::$step, Sub::$value, self::$count;
        echo Counter::$limit;
        echo parent::$value;
    }
}
class Stranger {
    public function peek() {
        echo Counter::$count, Counter::$step;
        echo Counter::$limit;
        echo Counter::$value;
        echo Counter::$nosuch;
    }
}
echo Counter::$count, Sub::$count;
echo Counter::$step;
echo Counter::$value;
echo SELF::$count;
