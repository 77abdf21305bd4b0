<?php
class NotFound extends Exception {}
class Denied extends Exception {}

function fetch() {
    return 1;
}

// A catch that nothing can reach after the body's return, chained to the
// next catch, is left as it is.
function first() {
    try {
        return fetch();
    } catch (NotFound $a) {
    } catch (Denied $b) {
    }
}

// Every path returns a value: through the body or through the catch.
function second() {
    try {
        $r = fetch();
        return $r;
    } catch (Exception $e) {
        return null;
    }
}

function third() {
    try {
        return fetch();
    } catch (Exception $e) {
        fetch();
    }
    return null;
}

echo first(), second(), third();
