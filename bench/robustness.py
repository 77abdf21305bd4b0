#!/usr/bin/env python3
"""Runs the checker over real PHP code from Debian's packages and reports
throughput, crashes (signals), timeouts, the slowest files, and how many files
have syntax findings.

    bench/robustness.py [--checker build/tarnwick] [--cache DIR] [--timeout 10]
                        [--list-syntax]

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
import subprocess
import sys
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


def main():
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    ap = argparse.ArgumentParser()
    ap.add_argument("--checker", default=os.path.join(here, "build", "tarnwick"))
    ap.add_argument("--cache", default=os.path.join(
        os.environ.get("XDG_CACHE_HOME", os.path.expanduser("~/.cache")), "tarnwick-corpus"))
    ap.add_argument("--timeout", type=float, default=10.0)
    ap.add_argument("--list-syntax", action="store_true",
                    help="name the files with syntax findings")
    args = ap.parse_args()

    files = fetch(args.cache)
    if not files:
        sys.exit("no PHP files found under " + args.cache)
    times, crashes, timeouts = [], [], []
    syntax = {}
    total_bytes = 0
    start = time.monotonic()
    for f in files:
        total_bytes += os.path.getsize(f)
        t0 = time.monotonic()
        try:
            r = subprocess.run([args.checker, f], stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE, timeout=args.timeout)
            syntax_findings(r.stderr, syntax)
            if r.returncode < 0:
                crashes.append((-r.returncode, f))
        except subprocess.TimeoutExpired:
            timeouts.append(f)
        times.append((time.monotonic() - t0, f))
    total = time.monotonic() - start
    print("files: %d (%.1f MB)  seconds: %.2f  files/s: %.1f"
          % (len(files), total_bytes / 1e6, total, len(files) / total))
    print("crashes: %d  timeouts: %d" % (len(crashes), len(timeouts)))
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
    print("slowest:")
    for t, f in sorted(times, reverse=True)[:5]:
        print("  %.3fs %s" % (t, f))
    sys.exit(1 if crashes or timeouts else 0)


if __name__ == "__main__":
    main()
