#!/usr/bin/env python3
"""Time and memory of the checker on generated libraries of files that include
each other, for growing sizes: both should grow linearly with the files
reached, each file being read once however often it is included.

Layouts: "tree" (each file requires two further files and re-includes one
already read) and "chain" (each file requires the next: nesting as deep as
the library is large).

usage: bench/includes_library.py [path/to/tarnwick] [sizes...]
"""
import os
import random
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_BINARY = os.path.join(HERE, "..", "build", "tarnwick")

BODY = """class C{k}
{{
    function m($x)
    {{
        return $x . '{k}';
    }}
}}
function f{k}($a, $b)
{{
    $s = $a . $b;
    return $s;
}}
$v{k} = f{k}(1, 2);
"""


def write_library(root, n, layout):
    rng = random.Random(n)
    os.makedirs(os.path.join(root, "lib"))
    for k in range(n):
        lines = ["<?php"]
        if layout == "tree":
            for child in (2 * k + 1, 2 * k + 2):
                if child < n:
                    lines.append("require_once 'lib/f%d.php';" % child)
            if k > 0:
                lines.append("include_once './lib/f%d.php';" % rng.randrange(k))
        elif k + 1 < n:
            lines.append("require_once 'lib/f%d.php';" % (k + 1))
        with open(os.path.join(root, "lib", "f%d.php" % k), "w") as f:
            f.write("\n".join(lines) + "\n" + BODY.format(k=k))
    with open(os.path.join(root, "main.php"), "w") as f:
        f.write("<?php\nrequire_once 'lib/f0.php';\n")


def run(binary, root):
    with tempfile.TemporaryFile() as err:
        start = time.perf_counter()
        proc = subprocess.Popen([binary, "main.php"], cwd=root, stderr=err)
        _, status, usage = os.wait4(proc.pid, 0)
        elapsed = time.perf_counter() - start
        proc.returncode = os.waitstatus_to_exitcode(status)
        err.seek(0)
        lines = err.read().count(b"\n")
    return elapsed, usage.ru_maxrss, proc.returncode, lines


def main():
    args = sys.argv[1:]
    binary = os.path.abspath(args.pop(0) if args and not args[0].isdigit() else DEFAULT_BINARY)
    sizes = [int(a) for a in args] or [500, 1000, 2000, 4000]
    print("%-6s %6s %9s %12s %10s %7s %6s" % ("layout", "files", "seconds", "us per file", "max RSS MB", "status", "lines"))
    for layout in ("tree", "chain"):
        for n in sizes:
            with tempfile.TemporaryDirectory() as root:
                write_library(root, n, layout)
                elapsed, rss, status, lines = run(binary, root)
            print("%-6s %6d %9.3f %12.1f %10.1f %7d %6d"
                  % (layout, n, elapsed, elapsed / n * 1e6, rss / 1024.0, status, lines))


if __name__ == "__main__":
    main()
