<?php
include 'lib';
include './lib';
require_once 'lib/';
include '';
include 'lib/x.php';
