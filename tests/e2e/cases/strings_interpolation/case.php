<?php
$a = array('x' => 1);
$o = null;
echo "plain $a text {$a['x']} and ${a} and $a[x] and $a[1] and $o->p->q", "SCREEN$", "SGN";
echo <<<EOT
line one $a
EOT;
echo `ls $a`, ``;
