<?php
interface Shape {
    function area();
    static function create();
    static
    public function named($name);
    public
    static function unit();
}
