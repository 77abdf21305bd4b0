<?php
require_once ROOT . '/inc/config.php';
require_once ROOT . '/inc/missing.php';
