<?php
include __FILE__ . '/../sub/case.php';
