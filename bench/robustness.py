#!/usr/bin/env python3
"""Runs the checker over real PHP code from Debian's packages and reports
throughput, crashes (signals, or a sanitizer report when the checker was built
with tools/sanitize.sh), timeouts, the findings grouped by message kind, the
slowest files with their peak memory, the files slow for their size, and how
many files have syntax findings.

    bench/robustness.py [--checker build/tarnwick] [--cache DIR] [--timeout 10]
                        [--list-syntax] [--slowest 10]

A message kind is the message without its place, with quoted names and numbers
replaced ("Undefined function '…'"). A file is slow for its size when its time
per kilobyte is over ten times the median (files under 4 kB count as 4 kB, so
start-up does not dominate).

A file has syntax findings when some run printed a scanner or parser line
("[PARSER] ...") naming it. The code is valid PHP as shipped, so each such file
is a false finding, or uses syntax newer than the checker reads (namespaces,
closures, "?:", "static::", short arrays...); the count is also given per
package, and --list-syntax prints the first such line of each file.

The packages are fetched with `apt-get download` into the cache (outside the
repository) and unpacked there with dpkg-deb; nothing is installed.
"""
import argparse
import glob
import os
import re
import statistics
import subprocess
import sys
import threading
import time

PACKAGES = ["php-pear", "php-tcpdf", "php-htmlpurifier", "smarty3", "libphp-adodb",
            "php-getid3", "php-phpseclib", "php-twig", "libphp-phpmailer", "php-pclzip",
            "libphp-simplepie"]


def fetch(cache):
    debs = os.path.join(cache, "debs")
    tree = os.path.join(cache, "tree")
    os.makedirs(debs, exist_ok=True)
    os.makedirs(tree, exist_ok=True)
    for p in PACKAGES:
        if glob.glob(os.path.join(debs, p + "_*.deb")):
            continue
        r = subprocess.run(["apt-get", "download", p], cwd=debs,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if r.returncode != 0:
            print("could not download %s (skipped)" % p, file=sys.stderr)
    for deb in glob.glob(os.path.join(debs, "*.deb")):
        dest = os.path.join(tree, os.path.basename(deb).split("_")[0])
        if not os.path.isdir(dest):
            subprocess.run(["dpkg-deb", "-x", deb, dest], check=True)
    files = []
    for root, _, names in os.walk(tree):
        files += [os.path.join(root, n) for n in names if n.endswith(".php")]
    return sorted(f for f in files if os.path.isfile(f))


SYNTAX_LINE = re.compile(r"^(.*)\((-?\d+)\): \[PARSER\] ")


def syntax_findings(stderr, found):
    """Adds to `found` (file -> first line) every file named by a syntax line."""
    for line in stderr.decode("latin-1").splitlines():
        m = SYNTAX_LINE.match(line)
        if m and m.group(1) not in found:
            found[m.group(1)] = line


PLACE = re.compile(r"^.*?\((-?\d+)\): ")
QUOTED = re.compile(r"(?:(?<![A-Za-z])|(?<=symbol))'[^']*'")
NUMBER = re.compile(r"\b\d+\b")
SANITIZER = re.compile(r"ERROR: AddressSanitizer|runtime error:|ERROR: LeakSanitizer")


def message_kind(line):
    """The message of a report line without its place, names or numbers."""
    text = PLACE.sub("", line, count=1)
    return NUMBER.sub("N", QUOTED.sub("'…'", text))


def run_one(checker, f, timeout, cwd=None):
    """Runs the checker on `f` (in `cwd` when given): (exit status or -signal,
    stderr, seconds, peak resident kB, timed out)."""
    t0 = time.monotonic()
    p = subprocess.Popen([checker, f], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, cwd=cwd)
    expired = threading.Event()

    def kill():
        expired.set()
        p.kill()

    timer = threading.Timer(timeout, kill)
    timer.start()
    err = p.stderr.read()
    p.stderr.close()
    _, status, usage = os.wait4(p.pid, 0)
    timer.cancel()
    p.returncode = os.waitstatus_to_exitcode(status)
    return p.returncode, err, time.monotonic() - t0, usage.ru_maxrss, expired.is_set()


def main():
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    ap = argparse.ArgumentParser()
    ap.add_argument("--checker", default=os.path.join(here, "build", "tarnwick"))
    ap.add_argument("--cache", default=os.path.join(
        os.environ.get("XDG_CACHE_HOME", os.path.expanduser("~/.cache")), "tarnwick-corpus"))
    ap.add_argument("--timeout", type=float, default=10.0)
    ap.add_argument("--list-syntax", action="store_true",
                    help="name the files with syntax findings")
    ap.add_argument("--slowest", type=int, default=10, help="how many slowest files to list")
    args = ap.parse_args()

    files = fetch(args.cache)
    if not files:
        sys.exit("no PHP files found under " + args.cache)
    times, crashes, timeouts, sanitized = [], [], [], []
    kinds = {}
    syntax = {}
    total_bytes = 0
    start = time.monotonic()
    for f in files:
        size = os.path.getsize(f)
        total_bytes += size
        status, err, seconds, peak_kb, timed_out = run_one(args.checker, f, args.timeout)
        if timed_out:
            timeouts.append(f)
        else:
            syntax_findings(err, syntax)
            if SANITIZER.search(err.decode("latin-1")):
                sanitized.append(f)
            elif status < 0:
                crashes.append((-status, f))
            for line in err.decode("latin-1").splitlines():
                if PLACE.match(line):
                    kind = message_kind(line)
                    kinds[kind] = kinds.get(kind, 0) + 1
        times.append((seconds, peak_kb, size, f))
    total = time.monotonic() - start
    print("files: %d (%.1f MB)  seconds: %.2f  files/s: %.1f"
          % (len(files), total_bytes / 1e6, total, len(files) / total))
    print("crashes: %d  timeouts: %d  sanitizer reports: %d"
          % (len(crashes), len(timeouts), len(sanitized)))
    print("findings by message kind: %d in %d kinds" % (sum(kinds.values()), len(kinds)))
    for kind, count in sorted(kinds.items(), key=lambda kv: (-kv[1], kv[0])):
        print("  %6d  %s" % (count, kind))
    print("files with syntax findings: %d" % len(syntax))
    tree = os.path.join(args.cache, "tree")
    per_package = {}
    for f in files:
        package = os.path.relpath(f, tree).split(os.sep)[0]
        counts = per_package.setdefault(package, [0, 0])
        counts[0] += f in syntax
        counts[1] += 1
    for package in sorted(per_package):
        print("  %s: %d of %d" % (package, per_package[package][0], per_package[package][1]))
    if args.list_syntax:
        for f in sorted(syntax):
            print("  " + syntax[f])
    for sig, f in crashes:
        print("  signal %d: %s" % (sig, f))
    for f in timeouts:
        print("  timeout: %s" % f)
    for f in sanitized:
        print("  sanitizer report: %s" % f)
    print("slowest (seconds, peak resident MB, size kB):")
    for t, peak_kb, size, f in sorted(times, reverse=True)[:args.slowest]:
        print("  %.3fs %7.1f MB %8.1f kB %s" % (t, peak_kb / 1024, size / 1024, f))
    print("peak memory: %.1f MB (%s)" % (max(times, key=lambda x: x[1])[1] / 1024,
                                         max(times, key=lambda x: x[1])[3]))
    per_kb = [(t / max(size / 1024, 4.0), f) for t, _, size, f in times]
    median = statistics.median(r for r, _ in per_kb)
    slow = [(r, f) for r, f in per_kb if r > 10 * median]
    print("median time per kB: %.2f ms; files over ten times that: %d" % (median * 1e3, len(slow)))
    for r, f in sorted(slow, reverse=True)[:args.slowest]:
        print("  %.1fx %s" % (r / median, f))
    sys.exit(1 if crashes or timeouts or sanitized else 0)


if __name__ == "__main__":
    main()
