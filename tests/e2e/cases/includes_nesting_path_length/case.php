<?php
include __FILE__ . '/../d/case.php';
