<?php
$y = 1;
