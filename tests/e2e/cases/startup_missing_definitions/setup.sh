rm "$INSTALL/function.php"
