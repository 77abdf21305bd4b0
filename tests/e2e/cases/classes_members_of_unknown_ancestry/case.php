<?php
// Members inherited from a base the checker cannot see are not reported one
// by one: the undefined base is.
class Driver extends ConnectionBase {
    function run() {
        $this->connect();
        echo $this->handle;
        self::reset();
        parent::close();
        echo "$this->handle";
    }
}

class Known {
    public $here;
    function __get($name) { return 1; }
}
$k = new Known;
echo "$k->elsewhere";
$s = new stdClass;
$s->any = 1;
echo "$s->any";

// A known class still reports what it lacks.
class Plain {
    function run() {
        $this->missing();
        echo $this->nothing;
    }
}

// The object of an indexed or variable-variable access is not the variable's
// own value; built-in objects have properties the definitions do not list.
$list = array(new Plain);
$list[0]->run();
$name = 'k';
echo $$name->here;
$reader = new XMLReader;
echo $reader->value;
class Page extends DOMDocument {
    function title() { return $this->documentElement; }
}
