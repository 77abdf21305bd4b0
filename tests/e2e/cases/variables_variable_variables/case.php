<?php
$v = 'x';
$x = 1;
echo $$v;
echo ${'x'};

function local() {
    $name = 'y';
    $y = 2;
    return $$name;
}

function fromFile() {
    return $$v;
}

function braced() {
    return ${'v'};
}

echo local() . fromFile() . braced();

// Assigning through a variable variable leaves the name holder a string.
$holder = "foo";
$$holder = 5;
echo $holder[0];
