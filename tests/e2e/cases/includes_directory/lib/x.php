<?php
$x = 1;
