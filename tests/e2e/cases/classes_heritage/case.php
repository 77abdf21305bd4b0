<?php
final class Sealed {
}
class Opened extends Sealed {
}
class Orphan extends Nowhere {
}
class Pretender implements Sealed {
}
class Dreamer implements Imagined {
}
class exception {
}
class Twice {
}
class TWICE {
}
interface Once {
}
interface once {
}
interface Runner {
    public function run();
    function walk();
    static function sprint();
}
