<?php
include "b.php";
include "nowhere.php";
