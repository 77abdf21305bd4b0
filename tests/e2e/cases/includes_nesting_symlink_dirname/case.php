<?php
include dirname(__FILE__) . '/sub/case.php';
