<?php
define('SITE', 'example');
define('SITE', 'again');
define('site', 'lower case is another constant');
define('Loose', 1, true);
define('LOOSE', 2);
define('loose', 3, true);
// A built-in constant's name defines a constant of this file: no report.
define('E_ALL', 0);
// The same call evaluated more than once is not a redefinition.
for ($i = 0; $i < 2; $i++) { define('ONCE', $i); }
$name = 'DYNAMIC' . rand();
define($name, 1);
define($name, 2);
define();
