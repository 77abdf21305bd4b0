<?php
function f() {
    return nepostojeca_funkcija();
}
$a = = 1;
$b = 2;
