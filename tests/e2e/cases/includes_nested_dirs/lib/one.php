<?php
$fromOne = 1;
include 'lib/deeper/three.php';
include 'deeper/three.php';
include './missing.php';
