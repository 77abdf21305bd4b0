<?php
f($a));
echo 1;
