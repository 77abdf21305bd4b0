<?php
$config = array('host' => 'localhost');
