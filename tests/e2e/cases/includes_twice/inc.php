<?php
$inc = 1;
