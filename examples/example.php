<?php
// A small file with a few mistakes for the checker to find.

function greet($name)
{
    echo "Hello, $name!\n";
}

greet("world";

$values = array(1, 2, 3);
foreach ($values as $v) {
    echo $v * 2, "\n";
}
