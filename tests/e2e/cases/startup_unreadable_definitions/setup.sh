# A directory in place of a definitions file cannot be read.
rm "$INSTALL/constant.php" && mkdir "$INSTALL/constant.php"
