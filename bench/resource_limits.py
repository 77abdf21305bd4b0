#!/usr/bin/env python3
"""Runs the checker on inputs at the sizes users hit and reports, for each,
the exit status, the time and the peak resident memory:

  big        one file of ordinary functions, --megabytes long (default 50)
  many       one file that includes --files small files (default 100,000)
  chain      a chain of --files files, each including the next
  path       a file whose full path is exactly PATH_MAX - 1 characters long,
             and an include of one a character longer (which cannot exist)

    bench/resource_limits.py [--checker build/tarnwick] [--only big,many,...]

A crash (signal) or a sanitizer report fails the run (exit 1).
"""
import argparse
import os
import re
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from robustness import run_one  # noqa: E402

CHUNK = '''function f%d($a, $b) {
    $c = $a + $b * 2;
    if ($c > 10) { return strlen("x" . $c); }
    return $c;
}
echo f%d(1, 2);
'''


def make_big(d, megabytes):
    path = os.path.join(d, "big.php")
    with open(path, "w") as f:
        f.write("<?php\n")
        n, i = 6, 0
        while n < megabytes * 1024 * 1024:
            t = CHUNK % (i, i)
            f.write(t)
            n += len(t)
            i += 1
    return path


def make_many(d, count):
    os.makedirs(os.path.join(d, "many", "inc"))
    with open(os.path.join(d, "many", "main.php"), "w") as f:
        f.write("<?php\n")
        for i in range(count):
            f.write("include 'inc/f%d.php';\n" % i)
            with open(os.path.join(d, "many", "inc", "f%d.php" % i), "w") as g:
                g.write("<?php\nfunction g%d() { return %d; }\n" % (i, i))
    return os.path.join(d, "many", "main.php")


def make_chain(d, count):
    os.makedirs(os.path.join(d, "chain"))
    for i in range(count):
        with open(os.path.join(d, "chain", "c%d.php" % i), "w") as g:
            g.write("<?php\ninclude 'c%d.php';\n" % (i + 1) if i + 1 < count else "<?php\necho 1;\n")
    return os.path.join(d, "chain", "c0.php")


def make_path(d):
    limit = os.pathconf(d, "PC_PATH_MAX")
    name_max = os.pathconf(d, "PC_NAME_MAX")
    files = []
    for length in (limit - 1, limit):
        path = os.path.join(d, "p%d" % length)
        while len(path) + 1 + name_max + 1 + 100 < length:
            path = os.path.join(path, "d" * name_max)
        path = os.path.join(path, "e" * (length - len(path) - 2 - 100))
        full = os.path.join(path, "f" * 96 + ".php")
        os.makedirs(path, exist_ok=True)
        if length < limit:
            with open(full, "w") as f:
                f.write("<?php\necho undefined_function();\n")
        main = os.path.join(d, "path%d.php" % length)
        with open(main, "w") as f:
            f.write("<?php\ninclude '%s';\n" % os.path.relpath(full, d))
        files.append(main)
    return files


def run(checker, path, timeout):
    """(exit status or -signal, None on a time-out; stderr; seconds; peak MB)"""
    status, err, seconds, peak_kb, expired = run_one(checker, path, timeout, cwd=os.path.dirname(path))
    return (None if expired else status), err, seconds, peak_kb / 1024


def main():
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    ap = argparse.ArgumentParser()
    ap.add_argument("--checker", default=os.path.join(here, "build", "tarnwick"))
    ap.add_argument("--megabytes", type=int, default=50)
    ap.add_argument("--files", type=int, default=100000)
    ap.add_argument("--timeout", type=float, default=900)
    ap.add_argument("--only", default="big,many,chain,path")
    args = ap.parse_args()
    checker = os.path.abspath(args.checker)
    wanted = args.only.split(",")
    d = tempfile.mkdtemp(prefix="tarnwick-limits-")
    failed = False
    try:
        inputs = []
        if "big" in wanted:
            inputs.append(("big %d MB" % args.megabytes, make_big(d, args.megabytes)))
        if "many" in wanted:
            inputs.append(("%d included files" % args.files, make_many(d, args.files)))
        if "chain" in wanted:
            inputs.append(("chain of %d includes" % args.files, make_chain(d, args.files)))
        if "path" in wanted:
            a, b = make_path(d)
            inputs += [("path at the length limit", a), ("path over the length limit", b)]
        for label, path in inputs:
            status, err, seconds, peak = run(checker, path, args.timeout)
            text = err.decode("latin-1")
            bad = status is None or status < 0 or re.search(r"Sanitizer|runtime error:", text)
            failed = failed or bool(bad)
            lines = len(text.splitlines())
            print("%-28s status %-5s %8.2f s  peak %8.1f MB  %d lines%s"
                  % (label, "hang" if status is None else status, seconds, peak, lines,
                     "  FAILED" if bad else ""))
    finally:
        shutil.rmtree(d, ignore_errors=True)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
