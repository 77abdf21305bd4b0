#!/usr/bin/env python3
"""Time and peak memory of the checker on generated deep and large inputs, at
doubling sizes, so that growth is visible: each row shows how much time and
memory grew against the row before (2.0 means linear when the size doubles).

    bench/large_inputs.py [--checker build/tarnwick] [--shapes concat,elseif] [--max-scale N]

Shapes: a `.` chain in one statement, a left-associative `?:` chain, an elseif
chain, a switch with many cases, if statements nested deep (the parser's
stack of 10,000 entries ends nesting at about 2,500 levels and elseif chains
at about 3,300 branches), a long statement list
and the same list with a growing number of distinct variables.
Not a test: nothing here fails; read the numbers.
"""
import argparse
import os
import subprocess
import sys
import tempfile
import time


def concat(n):
    return "<?php\n$a = 'x';\n$s = $a" + " . $a" * (n - 1) + ";\necho $s;\n"


def ternary(n):
    # Without parentheses PHP 5 groups ?: from the left.
    return "<?php\n$c = 1;\n$r = $c ? 0" + "".join(" : $c ? %d" % i for i in range(1, n)) + " : -1;\necho $r;\n"


def elseif(n):
    body = "".join("elseif ($k == %d) {\n    $v = %d;\n}\n" % (i, i) for i in range(1, n))
    return "<?php\n$k = 3;\nif ($k == 0) {\n    $v = 0;\n}\n" + body + "else {\n    $v = -1;\n}\necho $v;\n"


def switch(n):
    cases = "".join("    case %d:\n        $v = %d;\n        break;\n" % (i, i) for i in range(n))
    return "<?php\n$k = 3;\nswitch ($k) {\n" + cases + "    default:\n        $v = -1;\n}\necho $v;\n"


def nested_if(n):
    return ("<?php\n$c = 1;\n" + "if ($c) {\n" * n + "echo $c;\n" +
            "} else {\n$c = 2;\n}\n" * n)


def statements(n):
    return "<?php\n" + "".join("$v%d = %d;\n" % (i % 50, i) for i in range(n))


def distinct(n):
    return "<?php\n" + "".join("$v%d = %d;\n" % (i, i) for i in range(n))


SHAPES = {
    "concat": (concat, [25000, 50000, 100000, 200000], "operands"),
    "ternary": (ternary, [2000, 4000, 8000, 16000], "terms"),
    "elseif": (elseif, [375, 750, 1500, 3000], "branches"),
    "switch": (switch, [1000, 2000, 4000, 8000], "cases"),
    "nested_if": (nested_if, [300, 600, 1200, 2400], "levels"),
    "statements": (statements, [25000, 50000, 100000, 200000], "statements"),
    "distinct": (distinct, [25000, 50000, 100000, 200000], "statements"),
}


def run(checker, path):
    start = time.monotonic()
    proc = subprocess.Popen([checker, path], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    proc.stderr.read()
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.monotonic() - start
    code = os.waitstatus_to_exitcode(status)
    return elapsed, usage.ru_maxrss / 1024.0, code


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser()
    ap.add_argument("--checker", default=os.path.join(here, "..", "build", "tarnwick"))
    ap.add_argument("--shapes", default=",".join(SHAPES))
    ap.add_argument("--max-scale", type=int, default=4, help="how many sizes of each shape")
    args = ap.parse_args()
    print("%-11s %9s %-10s %9s %7s %9s %7s %10s %6s" %
          ("shape", "size", "unit", "time s", "x", "peak MB", "x", "KB/unit", "status"))
    with tempfile.TemporaryDirectory() as tmp:
        for name in args.shapes.split(","):
            make, sizes, unit = SHAPES[name]
            prev = None
            for n in sizes[:args.max_scale]:
                path = os.path.join(tmp, "%s_%d.php" % (name, n))
                with open(path, "w") as f:
                    f.write(make(n))
                t, mb, code = run(args.checker, path)
                gt = "%.2f" % (t / prev[0]) if prev and prev[0] > 0 else "-"
                gm = "%.2f" % (mb / prev[1]) if prev else "-"
                print("%-11s %9d %-10s %9.3f %7s %9.1f %7s %10.2f %6d" %
                      (name, n, unit, t, gt, mb, gm, mb * 1024 / n, code))
                sys.stdout.flush()
                prev = (t, mb)
                os.remove(path)


if __name__ == "__main__":
    main()
