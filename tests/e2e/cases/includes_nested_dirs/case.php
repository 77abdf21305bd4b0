<?php
include 'lib/one.php';
require './lib/two.php';
echo $fromOne, $fromTwo;
