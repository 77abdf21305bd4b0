#!/usr/bin/env python3
"""Runs two checker binaries over every end-to-end case, every PHP file of
the Debian corpus and a set of generated programs, and reports each input
where their standard error or exit status differ. Used to show that a change
(e.g. for speed) keeps every output byte-identical.

    tools/compare_outputs.py REFERENCE CANDIDATE [--cache DIR] [--jobs 2]
                             [--no-e2e] [--no-corpus] [--generated 1500]

The generated programs are functions and methods of random, deeply mixed
control flow (try, switch, loops with and without bodies, returns with and
without a value, exit, die, throw, ?:), the same for a given count every
time: real code has too few of the rarer combinations to catch a change in
how the flow graphs treat them.

REFERENCE and CANDIDATE are build directories (or directories) holding
`tarnwick` and the definition files (class.php, constant.php, function.php).
The corpus is the one bench/robustness.py fetches (run it once first).
Exits 1 when any difference is found.
"""
import argparse
import concurrent.futures
import os
import random
import shutil
import subprocess
import sys
import tempfile

DEF_FILES = ["class.php", "constant.php", "function.php"]
IMAGE = "definitions.bin"


def install(build, dest, link=False):
    os.makedirs(dest)
    if link:
        # A hard link, not a copy: a copy being written while another thread
        # forks can leave the new file busy ("Text file busy") at its exec.
        os.link(os.path.join(build, "tarnwick"), os.path.join(dest, "tarnwick"))
    else:
        shutil.copy2(os.path.join(build, "tarnwick"), dest)
    for d in DEF_FILES:
        shutil.copy2(os.path.join(build, d), dest)
    # The precompiled definitions, when the build has them, so that the
    # comparison runs the checker as it is installed.
    if os.path.exists(os.path.join(build, IMAGE)):
        shutil.copy2(os.path.join(build, IMAGE), dest)
    return os.path.join(dest, "tarnwick")


def remove(path):
    # rm rather than shutil.rmtree: some cases build directory chains deeper
    # than Python's recursion limit.
    subprocess.run(["chmod", "-R", "u+rwx", path], stderr=subprocess.DEVNULL)
    subprocess.run(["rm", "-rf", path])


def run_case(exe, case, work):
    """Runs `exe` on an end-to-end case the way tests/e2e/run_case.sh does,
    with the same absolute paths every time, and returns (stderr, status)."""
    inst = os.path.join(work, "install")
    dir_ = os.path.join(work, "case")
    for p in (inst, dir_):
        if os.path.exists(p):
            remove(p)
    install(os.path.dirname(exe), inst, link=True)
    shutil.copytree(case, dir_, symlinks=True)
    env = dict(os.environ)
    env.pop("TARNWICK_PATH", None)
    if os.path.exists(os.path.join(dir_, "setup.sh")):
        subprocess.run(["bash", "setup.sh"], cwd=dir_, env=dict(env, INSTALL=inst),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    args = ["case.php"]
    if os.path.exists(os.path.join(dir_, "args")):
        with open(os.path.join(dir_, "args")) as f:
            args = f.read().splitlines()
    if os.path.exists(os.path.join(dir_, "env")):
        with open(os.path.join(dir_, "env")) as f:
            for line in f.read().splitlines():
                if line:
                    k, _, v = line.replace("@INSTALL@", inst).partition("=")
                    env[k] = v
    cmd = ["timeout", "60", os.path.join(inst, "tarnwick")] + args
    if os.path.exists(os.path.join(dir_, "wrapper")):
        cmd = ["bash", "wrapper"] + cmd
    r = subprocess.run(cmd, cwd=dir_, env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.PIPE)
    return r.stderr, r.returncode


def run_file(exe, path, timeout):
    try:
        r = subprocess.run([exe, path], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                           timeout=timeout, cwd=os.path.dirname(path))
        return r.stderr, r.returncode
    except subprocess.TimeoutExpired:
        return b"", "timeout"


def statement(r, depth):
    v = r.choice(["$a", "$b", "$c"])
    k = r.randint(0, 22 if depth < 3 else 7)

    def body():
        return block(r, depth + 1)
    simple = [
        "return %s;" % v, "return;", "%s = %s + 1;" % (v, v),
        r.choice(["exit;", "exit(1);", 'die("x");', 'throw new Exception("e");', "die();"]),
        "echo %s;" % v, "%s[] = f%d(%s);" % (v, r.randint(0, 3), v), "$x = %s ? die() : %s;" % (v, v),
        "%s = isset(%s[1]) ? %s[1] : null;" % (v, v, v),
    ]
    if k < len(simple):
        return simple[k]
    if k == 8:
        return "if (%s) { %s }" % (v, body()) + (" else { %s }" % body() if r.random() < 0.5 else "")
    if k == 9:
        return ("if (%s) { %s } elseif ($b) { %s }" % (v, body(), body())
                + (" else { %s }" % body() if r.random() < 0.5 else ""))
    if k == 10:
        return ("try { %s } catch (Exception $e) { %s }" % (body(), body())
                + (" catch (RuntimeException $f) { %s }" % body() if r.random() < 0.4 else ""))
    if k == 11:
        return ("switch (%s) { case 1: %s case 2: %s break; " % (v, body(), body())
                + ("default: %s" % body() if r.random() < 0.6 else "") + " }")
    if k == 12:
        return "while (%s) { %s }" % (v, body())
    if k == 13:
        return "foreach (%s as $k => $w) { %s }" % (v, body())
    if k == 14:
        return "for ($i = 0; $i < %s; $i++) { %s }" % (v, body())
    if k == 15:
        return "for ($i = 0; %s; $i++);" % r.choice(["$i < 2", "die()", "f1($a)", ""])
    if k == 16:
        return "foreach (%s as $w);" % v
    if k == 17:
        return "switch (%s) { case 1: %s }" % (v, body())
    if k == 18:
        return "try { %s } catch (Exception $e) { %s }" % (r.choice(
            ["", "$a;", "break;", "return;", "return 1;", "echo 1;", "$b = $a ? 1 : die();", "exit;"]), body())
    if k == 19:
        return "do { %s } while (%s);" % (body(), v)
    if k == 20:
        return "%s = %s ? %s : %s;" % (v, v, r.choice(["die()", "1", "exit"]), r.choice(["$a", "f1(2)"]))
    if k == 21:
        return "if (%s): %s elseif ($c): %s else: %s endif;" % (v, body(), body(), body())
    return "while (%s): %s endwhile;" % (v, body())


def block(r, depth):
    return " ".join(statement(r, depth) for _ in range(r.randint(0, 3)))


def generated_program(seed):
    r = random.Random(seed)
    out = ["<?php"]
    out += ["function f%d($a) { return $a; }" % i for i in range(4)]
    out += ["function g%d_%d($a, $b = 1, $c = null) { %s }" % (seed, i, block(r, 0)) for i in range(40)]
    out.append("class K { public function m($a, $b = 1, $c = null) { %s } }" % block(r, 0))
    out.append(block(r, 1))
    return "\n".join(out) + "\n"


def first_difference(a, b):
    la, lb = a.decode("latin-1").splitlines(), b.decode("latin-1").splitlines()
    for i in range(max(len(la), len(lb))):
        x = la[i] if i < len(la) else "<end>"
        y = lb[i] if i < len(lb) else "<end>"
        if x != y:
            return "line %d:\n    - %s\n    + %s" % (i + 1, x, y)
    return "(same lines)"


def compare(name, ref, cand):
    (ea, sa), (eb, sb) = ref, cand
    if ea == eb and sa == sb:
        return None
    msg = name
    if sa != sb:
        msg += "\n  exit status %s, candidate %s" % (sa, sb)
    if ea != eb:
        msg += "\n  standard error differs at " + first_difference(ea, eb)
    return msg


def main():
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    ap = argparse.ArgumentParser()
    ap.add_argument("reference")
    ap.add_argument("candidate")
    ap.add_argument("--cache", default=os.path.join(
        os.environ.get("XDG_CACHE_HOME", os.path.expanduser("~/.cache")), "tarnwick-corpus"))
    ap.add_argument("--jobs", type=int, default=2)
    ap.add_argument("--timeout", type=float, default=30.0)
    ap.add_argument("--no-e2e", action="store_true")
    ap.add_argument("--no-corpus", action="store_true")
    ap.add_argument("--generated", type=int, default=1500, help="generated programs to compare (0: none)")
    args = ap.parse_args()

    tmp = tempfile.mkdtemp(prefix="tw-compare-")
    try:
        ref = install(args.reference, os.path.join(tmp, "ref"))
        cand = install(args.candidate, os.path.join(tmp, "cand"))
        diffs, counted = [], {"e2e": 0, "corpus": 0, "generated": 0}

        def one_case(case):
            work = os.path.join(tmp, "w-" + os.path.basename(case))
            os.makedirs(work)
            return compare("e2e " + os.path.basename(case),
                           run_case(ref, case, work), run_case(cand, case, work))

        def one_file(path):
            return compare(path, run_file(ref, path, args.timeout),
                           run_file(cand, path, args.timeout))

        with concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
            if not args.no_e2e:
                root = os.path.join(here, "tests", "e2e", "cases")
                cases = sorted(os.path.join(root, c) for c in os.listdir(root))
                for d in pool.map(one_case, cases):
                    counted["e2e"] += 1
                    if d:
                        diffs.append(d)
            if not args.no_corpus:
                files = []
                for r, _, names in os.walk(os.path.join(args.cache, "tree")):
                    files += [os.path.join(r, n) for n in names if n.endswith(".php")]
                files = sorted(f for f in files if os.path.isfile(f))
                if not files:
                    sys.exit("no corpus under %s (run bench/robustness.py once)" % args.cache)
                for d in pool.map(one_file, files):
                    counted["corpus"] += 1
                    if d:
                        diffs.append(d)
            if args.generated > 0:
                gen = os.path.join(tmp, "generated")
                os.makedirs(gen)
                programs = []
                for seed in range(args.generated):
                    path = os.path.join(gen, "flow_%d.php" % seed)
                    with open(path, "w") as f:
                        f.write(generated_program(seed))
                    programs.append(path)
                for d in pool.map(one_file, programs):
                    counted["generated"] += 1
                    if d:
                        diffs.append(d)
    finally:
        remove(tmp)

    for d in diffs:
        print(d)
    print("%d end-to-end cases, %d corpus files, %d generated programs: %d differences"
          % (counted["e2e"], counted["corpus"], counted["generated"], len(diffs)))
    sys.exit(1 if diffs else 0)


if __name__ == "__main__":
    main()
