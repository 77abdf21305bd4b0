<?php
class Early {
    function get() {
        return $registry;
    }
}

$registry = array();

class Service {
    var $name;

    function get() {
        return $registry;
    }

    function declared() {
        global $registry;
        return $registry;
    }

    function own() {
        return $this->name;
    }

    function local() {
        $registry = 2;
        return $registry;
    }

    function someBranches($c) {
        if ($c) {
            $registry = 1;
        }
        return $registry;
    }
}

$s = new Service;
echo $s->get() . $s->declared() . $s->own() . $s->local() . $s->someBranches(1);
