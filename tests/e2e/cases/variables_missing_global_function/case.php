<?php
function early() {
    return $config;
}

$config = array();

function late() {
    return $config;
}

function declared() {
    global $config;
    return $config;
}

function assigned() {
    $config = 1;
    return $config;
}

function someBranches($c) {
    if ($c) {
        $config = 2;
    }
    return $config;
}

function allBranches($c) {
    if ($c) {
        $config = 2;
    } else {
        $config = 3;
    }
    return $config;
}

function parameter($config) {
    return $config;
}

function reportedOnce() {
    echo $config;
    echo $config;
}

echo early() . late() . declared() . assigned() . someBranches(1) . allBranches(1) . parameter(1);
reportedOnce();
