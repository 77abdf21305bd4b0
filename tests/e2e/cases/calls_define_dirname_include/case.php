<?php
function base() { return ROOT; }
define('ROOT', dirname(__FILE__));
require ROOT . '/lib/helper.php';
require_once dirname(__FILE__) . '/lib/other.php';
echo helper() . other() . base();
