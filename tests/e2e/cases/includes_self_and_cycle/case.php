<?php
include 'case.php';
include_once 'case.php';
require 'b.php';
