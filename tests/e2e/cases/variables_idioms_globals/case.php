<?php
// Globals reached through "global", $GLOBALS and the superglobals.
class Db {
    function query($q) {
        return $q;
    }
}

$db = new Db;
$x = 1;
$argvCopy = $argv;

function query() {
    global $db;
    return $db->query('select');
}

function fromGlobals() {
    return $GLOBALS['x'];
}

function superglobals() {
    return $_GET['a'] . $_POST['b'] . $_SERVER['REQUEST_URI'] . $_COOKIE['c']
        . $_REQUEST['d'] . $_SESSION['e'] . $_FILES['f']['name'] . $_ENV['g'] . $argc;
}

class Page {
    var $title;
    function render() {
        global $db;
        return $db->query($this->title) . $_SERVER['PHP_SELF'];
    }
}

echo query() . fromGlobals() . superglobals();
