<?php
require 'lib.php';
require 'lib.php';
require_once 'once.php';
require_once 'once.php';
include_once 'once.php';
include 'inc.php';
include 'inc.php';
