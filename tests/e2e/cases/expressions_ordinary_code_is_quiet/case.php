<?php
// Ordinary expression forms: nothing here is wrong, so nothing is printed.
class Item
{
    public $price = 0;

    public function sameKind($other)
    {
        return $other instanceof self;
    }

    public function copy()
    {
        $c = clone $this;
        $n = new self();
        return $c instanceof Item ? $c : $n;
    }
}

class Book extends Item
{
    public function fresh()
    {
        return new parent();
    }
}

$total = 0;
$total += 5;
$total -= 1;
$total *= 2;
$total /= 4;
$total %= 3;
$text = 'a';
$text .= 'b' . 'c' . 1 . 2.5;
$bits = 1;
$bits <<= 3;
$bits >>= 1;
$bits |= 4;
$bits &= 6;
$bits ^= 1;
$count = 0;
$count++;
++$count;
$count--;
--$count;

$list = array(1, 2, 3);
list($first, $second) = $list;
list(, $third) = $list;
$alias = &$list;
$book = new Book();
$other = &new Item();

$isBook = $book instanceof Book && !($book instanceof Exception);
$known = isset($maybe, $list[0]) ? 'yes' : 'no';
$blank = empty($nothing);
$pick = $first ? $second : ($third ? 1 : 2);
$chain = $first ? 'a' : $second ? 'b' : 'c';
$casts = (int) '12' + (float) '1.5' + (bool) 1 + (string) 2 . (array) 3;
$silent = @file_get_contents('/nonexistent');
$shell = `ls`;
$printed = print 'x';
$math = -$count + +$count - ~$bits * 2 / 1 % 3;
$cmp = $count == 1 || $count != 2 || $count === 3 || $count !== 4 || $count < 5
    || $count <= 6 || $count > 7 || $count >= 8 xor $count and $count or $count;
unset($alias);
declare(ticks=1);
echo $total, $text, $bits, $count, $isBook, $known, $blank, $pick, $chain, $casts, $silent,
    $shell, $printed, $math, $cmp, $other->price;
$book->sameKind($book) or exit(1);
