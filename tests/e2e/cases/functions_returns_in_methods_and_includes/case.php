<?php
// Methods are checked like functions, wherever their class is declared.
class Outer
{
    public function some($x) { if ($x) { return 1; } }
    public function all($x) { if ($x) { return 1; } return 2; }
}
function withInner()
{
    // A function declared inside a body has its own body checked.
    function innerSome($x) { if ($x) { return 1; } }
    return 1;
}
function withClass()
{
    if (!class_exists('Nested')) {
        class Nested
        {
            public function half($x) { if ($x) { return 1; } }
        }
    }
    return 1;
}
// What an included file returns at its top level ends the including body's
// path there: no path falls off the end of this one.
function throughInclude($x)
{
    if ($x) {
        return 1;
    }
    include dirname(__FILE__) . '/part.php';
}
// Falls off its end after the include.
function pastInclude($x)
{
    if ($x) {
        return 1;
    }
    include dirname(__FILE__) . '/plain.php';
}
$o = new Outer();
echo $o->some(1) . $o->all(1) . withInner() . innerSome(1) . withClass() . throughInclude(1) . pastInclude(1);
