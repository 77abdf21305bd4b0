<?php
// Wrong code that must still finish.
class A extends A {
    public $p;
    const K = 1;
}
class B extends C {
    public $onlyB;
}
class C extends B {
    public static $onlyC;
}
interface I extends J {
}
interface J extends I {
}
class D implements D {
}
class E implements I {
}
echo A::K, A::NONE, B::NONE, E::NONE;
echo B::$onlyC, C::$onlyB;
$a = new A;
