<?php
include dirname(__FILE__) . '/y.php';
include dirname(__FILE__) . '/z.php';
