<?php
function __autoload($class)
{
    require_once $class . '.php';
}

$shop = new Shop();
$shop->open();
exit;
