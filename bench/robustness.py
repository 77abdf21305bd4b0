#!/usr/bin/env python3
"""Runs the checker over real PHP code from Debian's packages and reports
throughput, crashes (signals), timeouts and the slowest files.

    bench/robustness.py [--checker build/tarnwick] [--cache DIR] [--timeout 10]

The packages are fetched with `apt-get download` into the cache (outside the
repository) and unpacked there with dpkg-deb; nothing is installed.
"""
import argparse
import glob
import os
import subprocess
import sys
import time

PACKAGES = ["php-pear", "php-tcpdf", "php-htmlpurifier", "smarty3", "libphp-adodb",
            "php-getid3", "php-phpseclib", "php-twig", "libphp-phpmailer", "php-pclzip"]


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


def main():
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    ap = argparse.ArgumentParser()
    ap.add_argument("--checker", default=os.path.join(here, "build", "tarnwick"))
    ap.add_argument("--cache", default=os.path.join(
        os.environ.get("XDG_CACHE_HOME", os.path.expanduser("~/.cache")), "tarnwick-corpus"))
    ap.add_argument("--timeout", type=float, default=10.0)
    args = ap.parse_args()

    files = fetch(args.cache)
    if not files:
        sys.exit("no PHP files found under " + args.cache)
    times, crashes, timeouts = [], [], []
    total_bytes = 0
    start = time.monotonic()
    for f in files:
        total_bytes += os.path.getsize(f)
        t0 = time.monotonic()
        try:
            r = subprocess.run([args.checker, f], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, timeout=args.timeout)
            if r.returncode < 0:
                crashes.append((-r.returncode, f))
        except subprocess.TimeoutExpired:
            timeouts.append(f)
        times.append((time.monotonic() - t0, f))
    total = time.monotonic() - start
    print("files: %d (%.1f MB)  seconds: %.2f  files/s: %.1f"
          % (len(files), total_bytes / 1e6, total, len(files) / total))
    print("crashes: %d  timeouts: %d" % (len(crashes), len(timeouts)))
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
