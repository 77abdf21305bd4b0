<?php
// Right and wrong arity of built-in functions, optional parameters.
echo strlen("abc");
echo strlen();
echo strlen("a", "b");
echo substr("abc", 1) . substr("abc", 1, 1);
echo str_replace("a", "b");
echo implode(",", array(1, 2));
// Functions written without parameters are never checked.
echo sprintf("%s %s", 1, 2) . max(1, 2, 3) . min(array(1));
// What PHP 5 code calls every day.
$link = mysql_connect("h", "u", "p") or die(mysql_error());
$r = mysql_query("SELECT 1") or DIE("failed");
echo rand() . rand(1, 6) . mt_rand() . mt_rand(1, 6);
srand(5);
mt_srand();
echo getrandmax() + mt_getrandmax() + lcg_value();
echo crypt("secret") . crypt("secret", "ab");
assert(true);
assert(true, "described");
$h = fopen("php://memory", "w");
fputcsv($h, array(1, 2), ",", '"', "\\");
print_r(ini_get_all("core", false));
echo nosuch(1) . NoSuchEither();
// By-reference parameters.
preg_match('/(a)/', "abc", $matches);
echo count($matches);
exec("ls", $output, $status);
$parts = array(3, 1, 2);
sort($parts);
// true, false and null in any case, constants of the definitions.
$t = true; $f = FALSE; $n = Null; $b = TRUE && false;
echo E_ALL . PHP_EOL . M_PI . PHP_VERSION . E_USER_ERROR;
// A superglobal read inside a function.
function serverName() { return $_SERVER['SERVER_NAME'] . $_GET['x'] . $GLOBALS['y']; }
echo serverName();
die;
