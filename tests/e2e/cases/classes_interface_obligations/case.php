<?php
interface Shape {
    function area();
    function name();
    function scale($by);
}
class Square implements Shape {
    public function area() {}
    protected function name() {}
}
abstract class Partial implements Countable {
}
class Base {
    public function run() {}
    protected function help() {}
    private function own() {}
}
class Narrower extends Base {
    protected function run() {}
    public function help() {}
    public function own() {}
}
class Fine extends Base implements Countable {
    public function count() {}
    public function run() {}
}
