<?php
$a = 1;
echo "x $a[ ] y";
echo "z $a-> w";
