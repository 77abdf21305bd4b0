<?php
echo EARLY;
echo EARLY;
define('EARLY', 1);
echo EARLY;
define('TWICE', 1);
define('TWICE', 2);
define('Pi', 3.14, true);
echo PI, pi;
define('Limit', 1);
echo LIMIT;
echo PHP_EOL, E_ALL, M_PI, PHP_VERSION;
