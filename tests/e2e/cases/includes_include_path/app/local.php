<?php
include 'shared/util.php';
