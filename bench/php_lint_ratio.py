#!/usr/bin/env python3
"""The checker's full analysis against `php -l` on the same files: wall time
(median of runs taken alternately, checker then php), the ratio, and peak
memory (maximum resident set of the process), on an empty file, tcpdf.php from
the Debian corpus and generated files of 1, 5 and 25 MB; prints the machine
it ran on first.

    bench/php_lint_ratio.py [--checker build/tarnwick] [--reference OTHER] [--runs 11]
                            [--sizes 1,5,25] [--cache DIR]

Needs `php` on the PATH (Debian/Ubuntu: apt-get install php-cli) and the
corpus that bench/robustness.py fetches (tcpdf.php is skipped without it).
Targets: tcpdf.php and the 5 MB file at most 0.7 times `php -l`, an empty file
at most 0.5 times, peak memory at most 25 bytes per source byte, and time and
memory per MB of the generated files within 20 % of each other. B/B is
the checker's peak memory per byte of source, ms/MB and MiB/MB its wall time
and peak memory per MB, +ms/MB and +MiB/MB the same past what the empty file
takes (the growth, without the fixed start-up, which weighs most in the
smallest file) (the checker's exit status is the number of findings,
shown when not 0; tcpdf.php includes further files of its package).
Not a test: nothing here fails; read the numbers.
"""
import argparse
import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

# One unit of generated code: ordinary PHP 5 (functions, a class, loops,
# conditions, arrays, string building, calls), checked quietly by the checker
# and accepted by any PHP's lint. %(n)d makes every name distinct.
UNIT = """
/**
 * Unit %(n)d.
 */
function helper_%(n)d($items, $limit = 10)
{
    $total = 0;
    $names = array();
    foreach ($items as $key => $item) {
        if ($key > $limit) {
            break;
        } elseif (is_array($item)) {
            $total += count($item);
        } else {
            $names[] = 'item ' . $key . ': ' . strtoupper((string) $item);
        }
    }
    for ($i = 0; $i < $limit; $i++) {
        $total = $total * 2 + $i %% 7;
    }
    return array('total' => $total, 'names' => implode(', ', $names));
}

class Record%(n)d
{
    const KIND = %(n)d;
    private $values = array();
    protected $label;

    public function __construct($label)
    {
        $this->label = $label;
    }

    public function add($key, $value)
    {
        if (!isset($this->values[$key])) {
            $this->values[$key] = $value;
            return true;
        }
        return false;
    }

    public function describe()
    {
        $result = helper_%(n)d($this->values, self::KIND %% 13);
        switch ($result['total'] %% 3) {
            case 0:
                $text = "none";
                break;
            case 1:
                $text = sprintf('%%s has %%d', $this->label, $result['total']);
                break;
            default:
                $text = $this->label . ' ' . $result['names'];
        }
        return $text;
    }
}

$record%(n)d = new Record%(n)d('unit %(n)d');
$record%(n)d->add('a', %(n)d);
echo $record%(n)d->describe(), "\\n";
"""


def generate(path, megabytes):
    target = int(megabytes * 1024 * 1024)
    with open(path, "w") as f:
        f.write("<?php\n")
        size, n = 6, 0
        while size < target:
            chunk = UNIT % {"n": n}
            f.write(chunk)
            size += len(chunk)
            n += 1


def run(cmd):
    """Runs cmd; returns (wall seconds, CPU seconds, peak resident KiB, exit status)."""
    t0 = time.perf_counter()
    p = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(p.pid, 0)
    wall = time.perf_counter() - t0
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss, os.waitstatus_to_exitcode(status)


def machine():
    cpu = platform.processor() or "?"
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    cpu = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    mem = "?"
    try:
        with open("/proc/meminfo") as f:
            mem = "%.1f GiB" % (int(f.readline().split()[1]) / 1024 / 1024)
    except OSError:
        pass
    php = subprocess.run(["php", "-v"], capture_output=True, text=True).stdout.splitlines()[0]
    load = os.getloadavg()
    return ("machine: %s, %s, %d CPUs (%s), %s RAM, load %.2f %.2f %.2f\nphp: %s"
            % (platform.node(), platform.platform(), os.cpu_count(), cpu, mem,
               load[0], load[1], load[2], php))


def main():
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    ap = argparse.ArgumentParser()
    ap.add_argument("--checker", default=os.path.join(here, "build", "tarnwick"))
    ap.add_argument("--reference", help="a second checker (e.g. a build of an older revision), "
                    "run in the same alternation, so both are measured under the same load")
    ap.add_argument("--runs", type=int, default=11)
    ap.add_argument("--sizes", default="1,5,25", help="generated file sizes in MB")
    ap.add_argument("--cache", default=os.path.join(
        os.environ.get("XDG_CACHE_HOME", os.path.expanduser("~/.cache")), "tarnwick-corpus"))
    args = ap.parse_args()
    if not shutil.which("php"):
        sys.exit("php is not installed (Debian/Ubuntu: apt-get install php-cli)")
    checker = os.path.abspath(args.checker)
    print(machine())
    rev = subprocess.run(["git", "-C", here, "rev-parse", "--short", "HEAD"],
                         capture_output=True, text=True).stdout.strip()
    print("checker: %s (%s)" % (checker, rev or "?"))
    checkers = [("tarnwick", checker)]
    if args.reference:
        print("reference: %s" % os.path.abspath(args.reference))
        checkers.insert(0, ("reference", os.path.abspath(args.reference)))

    tmp = tempfile.mkdtemp(prefix="tw-bench-")
    try:
        inputs = []
        empty = os.path.join(tmp, "empty.php")
        open(empty, "w").close()
        inputs.append(("empty file", empty, args.runs))
        tcpdf = os.path.join(args.cache, "tree", "php-tcpdf", "usr", "share", "php",
                             "tcpdf", "tcpdf.php")
        if os.path.isfile(tcpdf):
            inputs.append(("tcpdf.php", tcpdf, args.runs))
        else:
            print("tcpdf.php not found under %s (run bench/robustness.py once)" % args.cache)
        for mb in [float(s) for s in args.sizes.split(",") if s]:
            path = os.path.join(tmp, "generated_%gMB.php" % mb)
            generate(path, mb)
            # Fewer runs for the big files; the spread there is small.
            inputs.append(("generated %g MB" % mb, path, max(3, args.runs if mb < 10 else args.runs // 2)))

        # Wall time is what a user waits; CPU time (user + system) is also
        # shown because on a shared machine the wall time includes waiting.
        print("%-21s %9s %4s | %9s %9s %5s | %9s %9s %5s | %8s %8s %5s | %5s %6s %6s %6s %7s" % (
            "input", "bytes", "runs", "tw wall", "php wall", "ratio", "tw cpu", "php cpu", "ratio",
            "tw peak", "php peak", "ratio", "B/B", "ms/MB", "MiB/MB", "+ms/MB", "+MiB/MB"))
        base = {}  # per checker: wall time and peak memory of the empty file
        for name, path, runs in inputs:
            tws = {label: [] for label, _ in checkers}
            php = []
            status = set()
            for _ in range(runs):
                for label, exe in checkers:
                    t, c, m, s = run([exe, path])
                    tws[label].append((t, c, m))
                    status.add(s)
                t, c, m, _ = run(["php", "-l", path])
                php.append((t, c, m))
            size = os.path.getsize(path)
            med = lambda rows, i: statistics.median(r[i] for r in rows)  # noqa: E731
            pt, pc, pm = med(php, 0), med(php, 1), med(php, 2)
            mb = size / 1024 / 1024
            for label, _ in checkers:
                tw = tws[label]
                tt, tc, tm = med(tw, 0), med(tw, 1), med(tw, 2)
                if size == 0:
                    base[label] = (tt, tm)
                bt, bm = base.get(label, (0.0, 0.0))
                per = ("%5.0f %6.1f %6.1f %6.1f %7.1f" % (
                    tm * 1024 / size, tt * 1000 / mb, tm / 1024 / mb, (tt - bt) * 1000 / mb, (tm - bm) / 1024 / mb)
                       if size > 100000 else "%5s %6s %6s %6s %7s" % ("-", "-", "-", "-", "-"))
                shown = name if len(checkers) == 1 else "%s [%s]" % (name, label[:3])
                print("%-21s %9d %4d | %7.1fms %7.1fms %5.2f | %7.1fms %7.1fms %5.2f | %5.1fMiB %5.1fMiB %5.2f | %s%s" % (
                    shown, size, runs, tt * 1000, pt * 1000, tt / pt, tc * 1000, pc * 1000,
                    tc / pc if pc else float("nan"), tm / 1024, pm / 1024, tm / pm, per,
                    "" if status == {0} else "  (exit status %s)" % ",".join(map(str, sorted(status)))))
            sys.stdout.flush()
    finally:
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    main()
