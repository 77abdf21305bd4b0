<?php
$fromTwo = 2;
include 'nowhere.php';
