<?php
include 'broken.php';
include 'deep.php';
include 'clean.php';
