<?php
class Foo {
    public $known;
    private function hidden() {}
    protected function guarded() {}
    public function open($a) {}
    public function inside() {
        $this->hidden();
        $this->guarded();
        $this->known;
    }
}
class Magic {
    public function __get($name) {}
    public function __call($name, $args) {}
}
class MoreMagic extends Magic {
}
class SubFoo extends Foo {
    public function tryParent() {
        $this->guarded();
        $this->hidden();
    }
}
class Outsider {
    public function poke() {
        $f = new Foo();
        $f->hidden();
        $f->guarded();
    }
}
$o = new Foo();
$o->nosuch;
$o->nosuch();
$o->open(1);
$o->known->deeper->nosuch;
$n = 1;
$n->x;
$m = new MoreMagic();
$m->anything;
$m->anything();
$s = new stdClass();
$s->free = 1;
$o->hidden();
