<?php
function __autoload($name) {
    require_once $name . '.php';
}
class Page extends Layout {
}
$helper = new Helper();
echo Layout::COLUMNS;
