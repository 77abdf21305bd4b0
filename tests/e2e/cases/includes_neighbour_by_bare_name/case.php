<?php
// lib/a.php includes its neighbour lib/b.php by a bare name.
include "lib/a.php";
echo b();
include "lib/missing.php";
