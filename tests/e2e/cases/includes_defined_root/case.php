<?php
define('ROOT', dirname(__FILE__));
require_once ROOT . '/inc/db.php';
