<?php
$unused = 2;
