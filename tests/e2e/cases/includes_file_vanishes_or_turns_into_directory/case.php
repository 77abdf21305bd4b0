<?php
include "a.php";
include "b.php";
include "b.php";
fromb();
include "c.php";
fromc();
