<html>
<?php
$c = array(1, 2);
echo "{$c[0]}";
?>
</html>
