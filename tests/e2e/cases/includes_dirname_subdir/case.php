<?php
require dirname(__FILE__) . '/sub/x.php';
