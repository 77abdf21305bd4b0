<?php
include './nope.php';
