<?php
require 'case.php';
require_once 'case.php';
include 'b.php';
include_once './b.php';
