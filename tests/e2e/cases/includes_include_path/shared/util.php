<?php
$util = 1;
