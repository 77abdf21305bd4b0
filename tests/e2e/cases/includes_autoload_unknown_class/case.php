<?php
function __autoload($class)
{
    $helper = new Helper();
    require_once $class . '.php';
}

$w = new Widget();
