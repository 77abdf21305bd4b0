<?php
$large = 1e5;
$small = 1E-10;
$whole = 100.;
$thousand = 1.e3;
$half = .5;
$signed = 2.5e+3;
echo $large + $small + $whole + $thousand + $half + $signed;
