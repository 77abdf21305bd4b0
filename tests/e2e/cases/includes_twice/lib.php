<?php
$lib = 1;
