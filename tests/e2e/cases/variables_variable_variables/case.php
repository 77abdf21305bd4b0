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
