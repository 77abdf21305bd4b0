<?php
// The body of __autoload is analysed only when it is called, with the
// argument bound to its parameter; a call of itself ends at once.
function __autoload($class) {
    load_one($class);
    __AUTOLOAD($class);
}
function quiet() { return 1; }
__autoload('Widget');
__autoload();
function unusedAutoloadLike($class) {
    load_two($class);
}
