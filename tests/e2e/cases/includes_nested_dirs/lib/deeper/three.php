<?php
include './lib/two.php';
include $undefinedPath;
