<?php
require_once 'Zend/Loader.php';
include 'shared/util.php';
include './local.php';
include 'Zend/Missing.php';
include '/Zend/Loader.php';
