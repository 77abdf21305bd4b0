<?php
class First extends Second {
    const A = 1;
}
require_once "second.php";
echo First::B, Second::A, First::NONE;
