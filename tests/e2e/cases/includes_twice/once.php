<?php
$once = 1;
