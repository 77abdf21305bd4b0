#!/usr/bin/env bash
# End-to-end scenarios of tarnwick-tree: scenario.sh TREE CHECKER NAME.
# Stand-in checkers (small scripts) play a checker that crashes, hangs or
# fails to start; the real one is used where its findings matter.
set -u
tree=$1 checker=$2 scenario=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_status() { [ "$1" = "$2" ] || fail "$3: exit status $1, expected $2"; }
expect_same() {  # expected actual label
    if [ "$1" != "$2" ]; then
        fail "$3"
        diff <(printf '%s\n' "$1") <(printf '%s\n' "$2") | sed 's/^/    /'
    fi
}

# A stand-in that reports one finding naming the file it was given, so that
# the report shows exactly which files were checked.
make_echo_checker() {
    cat > "$work/echo-checker" <<'SH'
#!/usr/bin/env bash
echo "$1(1): checked" >&2
exit 255
SH
    chmod +x "$work/echo-checker"
}

run() {  # run ARGS...: sets out, err, status
    "${runner:-$tree}" "$@" > "$work/out" 2> "$work/err"
    status=$?
    out=$(cat "$work/out")
    err=$(cat "$work/err")
}

case $scenario in
selection)
    make_echo_checker
    mkdir -p t/src/vendor/pkg t/src/sub t/cache
    touch t/src/a.php t/src/B.PHP t/src/c.inc t/src/notes.txt t/src/vendor/pkg/v.php t/src/sub/s.php \
          t/src/sub/s_test.php t/cache/k.php t/direct.txt
    ln -s ../src t/cache/loop
    run --checker="$work/echo-checker" -q t
    expect_status "$status" 1 "default selection"
    expect_same "t/cache/k.php(1): checked
t/src/B.PHP(1): checked
t/src/a.php(1): checked
t/src/sub/s.php(1): checked
t/src/sub/s_test.php(1): checked
t/src/vendor/pkg/v.php(1): checked" "$out" "default selection: every .php file, links to directories not followed"

    run --checker="$work/echo-checker" -q --extensions=inc,txt --exclude=vendor --exclude='*_test.php' \
        --exclude='t/cache/*' t/src t/direct.txt ./t/cache/k.php
    expect_same "./t/cache/k.php(1): checked
t/direct.txt(1): checked
t/src/c.inc(1): checked
t/src/notes.txt(1): checked" "$out" "extensions, exclusions and files named directly"

    run --checker="$work/echo-checker" -q --exclude='src' t
    expect_same "t/cache/k.php(1): checked" "$out" "an excluded directory is not walked"

    run --checker="$work/echo-checker" -q t/no-such-dir
    expect_status "$status" 2 "missing path"
    [[ $err == *"no such file or directory: 't/no-such-dir'"* ]] || fail "missing path message: $err"
    ;;

failures)
    # One stand-in that crashes, hangs (with a child of its own), fails to
    # start, or reports, by the name of the file.
    cat > "$work/flaky-checker" <<SH
#!/usr/bin/env bash
case "\$1" in
  *crash.php) echo "\$1(3): Unreachable code" >&2; kill -SEGV \$\$ ;;
  *hang.php) sleep 300 & echo \$! > "$work/hang.pid"; wait ;;
  *startup.php) echo "Could not initialize. Please repair installation." >&2; exit 3 ;;
  *oom.php) echo "Tarnwick out of memory; errors caught so far:" >&2; echo "\$1(2): Undeclared variable" >&2; exit 255 ;;
  *) echo "\$1(1): Undefined class 'X'" >&2; exit 255 ;;
esac
SH
    chmod +x "$work/flaky-checker"
    mkdir t
    touch t/crash.php t/hang.php t/startup.php t/oom.php t/ok.php
    SECONDS=0
    run --checker="$work/flaky-checker" -j2 --timeout=1 t
    elapsed=$SECONDS
    expect_status "$status" 2 "a file that could not be checked"
    expect_same "t/crash.php(3): Unreachable code
t/ok.php(1): Undefined class 'X'
t/oom.php(2): Undeclared variable" "$out" "findings of the other files are still reported"
    [[ $err == *"t/crash.php: the checker was killed by signal 11 (Segmentation fault)"* ]] || fail "crash message: $err"
    [[ $err == *"t/hang.php: the checker did not finish within the time limit of 1 s and was stopped"* ]] \
        || fail "time-out message: $err"
    [[ $err == *"t/startup.php: the checker stopped with status 3: Could not initialize. Please repair installation."* ]] \
        || fail "start-up failure message: $err"
    [[ $err == *"t/oom.php: the checker wrote: Tarnwick out of memory; errors caught so far:"* ]] \
        || fail "out-of-memory notice: $err"
    [[ $err == *"4 files could not be checked"* ]] || fail "summary of failures: $err"
    # The time limit stopped the hung checker's own child too, and the run did
    # not wait for it (it sleeps 300 s).
    [ "$elapsed" -lt 60 ] || fail "the run waited for the hung checker ($elapsed s)"
    # (A killed process may linger briefly as a zombie until it is reaped.)
    alive() { [ -r "/proc/$1/stat" ] && ! grep -q '^[0-9]* ([^)]*) Z' "/proc/$1/stat"; }
    if [ -s "$work/hang.pid" ]; then
        pid=$(cat "$work/hang.pid")
        for _ in 1 2 3 4 5 6 7 8 9 10; do alive "$pid" || break; sleep 0.5; done
        if alive "$pid"; then
            fail "the hung checker's child survived the time limit"
            kill "$pid"
        fi
    else
        fail "the hanging stand-in did not start"
    fi
    run --checker="$work/flaky-checker" --format=json t/crash.php
    python3 - "$work/out" "$work" <<'PY' || fail "failures in the JSON report"
import json, sys
r = json.load(open(sys.argv[1]))
assert [f["file"] for f in r["failures"]] == [sys.argv[2] + "/t/crash.php"], r
assert "signal 11" in r["failures"][0]["reason"], r
PY
    # Interrupted: the hung checker and its child go with the run.
    rm -f "$work/hang.pid"
    "$tree" --checker="$work/flaky-checker" --timeout=0 t/hang.php > /dev/null 2> int.err &
    runner_pid=$!
    for _ in $(seq 40); do [ -s "$work/hang.pid" ] && break; sleep 0.25; done
    kill -INT "$runner_pid"
    wait "$runner_pid"
    expect_status $? 2 "interrupted run"
    grep -q "interrupted" int.err || fail "interrupted run: $(cat int.err)"
    if [ -s "$work/hang.pid" ]; then
        pid=$(cat "$work/hang.pid")
        for _ in 1 2 3 4 5 6 7 8 9 10; do alive "$pid" || break; sleep 0.5; done
        if alive "$pid"; then
            fail "the hung checker's child survived the interruption"
            kill "$pid"
        fi
    else
        fail "the hanging stand-in did not start before the interruption"
    fi
    run --checker="$work/no-such-checker" t/ok.php
    expect_status "$status" 2 "missing checker"
    ;;

shared)
    # Two checked files include the same library file; its findings print once.
    mkdir -p t/lib t/sub
    printf '<?php\necho UNDEF_CONST;\nundefined_fn();\n' > t/lib/shared.php
    printf '<?php\ninclude dirname(__FILE__) . "/lib/shared.php";\nnew Nope();\n' > t/a.php
    printf '<?php\ninclude dirname(__FILE__) . "/../lib/shared.php";\n' > t/sub/b.php
    run -q --exclude=lib -j2 t
    expect_status "$status" 1 "findings"
    expect_same "$work/t/a.php(3): Undefined class 'Nope'
$work/t/lib/shared.php(2): Undefined constant 'UNDEF_CONST' (reported only once)
$work/t/lib/shared.php(3): Undeclared function 'undefined_fn'" "$out" "shared include reported once"
    # The batch server (definitions read once, a child forked per file) and a
    # checker started per file report the same.
    batch_out=$out
    run -q --no-batch --exclude=lib -j2 t
    expect_same "$batch_out" "$out" "one checker start per file"
    # The plain report is the checker's own text: a clean tree is silent.
    printf '<?php\necho strlen("x");\n' > t/lib/shared.php
    printf '<?php\n' > t/a.php
    run -q t
    expect_status "$status" 0 "clean tree"
    expect_same "" "$out" "clean tree report"
    ;;

formats)
    mkdir -p t
    # Findings whose text needs escaping, and one spanning two lines.
    printf '<?php\nfunction f() {\n}\nf(1);\nnew A_b();\n$x = "<&>";\necho $x["q"]->p;\n' > t/a.php
    printf '<?php\n$y = ;\n' > t/syntax.php
    printf '<?php\necho "\xe9t\xe9";\nundefined_\xe9();\n' > t/latin1.php
    for format in checkstyle json codequality; do
        run -q --format=$format -o "$work/report.$format" t
        expect_status "$status" 1 "$format"
        expect_same "" "$out" "$format: the report goes to the file"
    done
    run -q t
    plain=$out
    python3 - "$work" "$plain" <<'PY' || fail "report validation"
import json, sys, xml.etree.ElementTree as ET
work, plain = sys.argv[1], sys.argv[2]
# The plain findings, parsed back: "file(line): message" plus tab lines.
expected = []
for line in plain.split("\n"):
    if line.startswith("\t"):
        expected[-1][2] += "\n" + line
    else:
        head, _, message = line.partition("): ")
        file, _, number = head.rpartition("(")
        expected.append([file, int(number), message])
assert len(expected) >= 4, expected

root = ET.parse(work + "/report.checkstyle").getroot()
assert root.tag == "checkstyle" and root.get("version"), root.attrib
got = []
for f in root:
    assert f.tag == "file" and f.get("name"), f.attrib
    for e in f:
        assert e.tag == "error", e.tag
        assert set(e.attrib) <= {"line", "column", "severity", "message", "source"}, e.attrib
        assert e.get("severity") in ("ignore", "info", "warning", "error"), e.attrib
        assert e.get("source", "").startswith("tarnwick."), e.attrib
        got.append([f.get("name"), int(e.get("line")), e.get("message")])
def latin1(s):  # what the reports make of the checker's Latin-1 bytes
    return s.encode("utf-8", "surrogateescape").decode("latin-1") if any(0xdc80 <= ord(c) <= 0xdcff for c in s) else s
expected = [[latin1(f), n, latin1(m)] for f, n, m in expected]
assert got == expected, (got, expected)

r = json.load(open(work + "/report.json"))
assert r["tool"] == "tarnwick-tree" and r["files_checked"] == 3 and r["failures"] == [], r
assert [[f["file"], f["line"], f["message"]] for f in r["findings"]] == expected, r["findings"]
assert all(f["severity"] in ("error", "warning") and f["kind"] for f in r["findings"])

cq = json.load(open(work + "/report.codequality"))
assert isinstance(cq, list) and len(cq) == len(expected)
for issue, (file, line, message) in zip(cq, expected):
    assert issue["description"] == message
    assert issue["location"]["path"] == file[len(work) + 1:], issue  # relative to the working directory
    assert issue["location"]["lines"]["begin"] == line
    assert issue["severity"] in ("info", "minor", "major", "critical", "blocker")
    assert issue["check_name"].startswith("tarnwick.")
    assert len(issue["fingerprint"]) == 32
assert len({i["fingerprint"] for i in cq}) == len(cq), "fingerprints repeat"
assert any("\n\t" in m for _, _, m in expected), "no two-line finding"
assert any("\u00e9" in m for _, _, m in expected), "no Latin-1 text"
PY
    # No findings: every format is still well-formed.
    printf '<?php\n' > t/a.php; rm t/syntax.php t/latin1.php
    for format in checkstyle json codequality; do
        run -q --format=$format -o "$work/empty.$format" t
        expect_status "$status" 0 "$format without findings"
    done
    python3 -c "
import json, sys, xml.etree.ElementTree as ET
assert len(ET.parse('$work/empty.checkstyle').getroot()) == 0
assert json.load(open('$work/empty.json'))['findings'] == []
assert json.load(open('$work/empty.codequality')) == []
" || fail "empty reports"
    ;;

baseline)
    mkdir -p t
    printf '<?php\nnew Nope();\nnew Nope();\nfunction f() {\n}\nf(1);\n' > t/a.php
    printf '<?php\necho UNDEF;\n' > t/b.php
    run -q --write-baseline=base.txt t
    expect_status "$status" 0 "writing the baseline"
    expect_same "" "$out" "writing the baseline reports nothing"
    run -q --baseline=base.txt t
    expect_status "$status" 0 "nothing new"
    expect_same "" "$out" "nothing new"
    # Lines inserted above every old finding (the declaration of f moves too),
    # one more of a known message, and a new one; b.php's finding is fixed.
    printf '<?php\n// moved\n// down\nnew Nope();\nnew Nope();\nfunction f() {\n}\nf(1);\nnew Nope();\nnew Other();\n' > t/a.php
    printf '<?php\n' > t/b.php
    run --baseline=base.txt t
    expect_status "$status" 1 "new findings"
    expect_same "$work/t/a.php(9): Undefined class 'Nope'
$work/t/a.php(10): Undefined class 'Other'" "$out" "only findings beyond the baseline"
    [[ $err == *"3 findings hidden by the baseline, 1 baseline entry no longer found"* ]] || fail "baseline summary: $err"
    # The baseline holds relative paths: the same tree elsewhere matches it.
    mkdir moved && cp -r t moved/ && cp base.txt moved/
    (cd moved && "$tree" -q --baseline=base.txt t > out 2> err; echo $? > status)
    expect_same "2" "$(wc -l < moved/out | tr -d ' ')" "baseline in another directory"
    printf 'garbage\n' > bad.txt
    run -q --baseline=bad.txt t
    expect_status "$status" 2 "damaged baseline"
    run -q --baseline=missing.txt t
    expect_status "$status" 2 "missing baseline"
    ;;

usage)
    run
    expect_status "$status" 2 "no path"
    [[ $err == *"no path given"* ]] || fail "no path message: $err"
    run --format=xml .
    expect_status "$status" 2 "unknown format"
    run --help
    expect_status "$status" 0 "--help"
    [[ $out == "Usage: tarnwick-tree "* ]] || fail "--help text: $out"
    run --version
    expect_status "$status" 0 "--version"
    [[ $out =~ ^tarnwick-tree\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version text: $out"
    ;;

progress)
    make_echo_checker
    mkdir t && touch t/a.php t/b.php
    # Not a terminal: no progress line, the summary only.
    run --checker="$work/echo-checker" t
    [[ $err != *$'\r'* ]] || fail "progress line written to a pipe"
    [[ $err == *"2 files checked in "*"2 findings in 2 files"* ]] || fail "summary: $err"
    [[ $err == *"       2  other messages"* ]] || fail "summary by kind: $err"
    # On a terminal the progress line shows files done, total and findings.
    command -v script > /dev/null || { echo "skipped: no script(1)"; exit 77; }
    script -qec "'$tree' --checker='$work/echo-checker' -o /dev/null t" /dev/null > tty.txt 2>&1
    grep -q $'\r.*\[2/2\] 2 findings' tty.txt || fail "no progress line on a terminal: $(cat -v tty.txt)"
    ;;

batch)
    # A stand-in batch server beside a copy of the runner: it hangs, crashes or
    # dies on demand; the runner must tell each apart and go on.
    mkdir bin t
    cp "$tree" bin/tarnwick-tree
    runner=$work/bin/tarnwick-tree
    printf '#!/bin/sh\necho "$1(1): per-file checker" >&2\nexit 255\n' > bin/tarnwick
    cat > bin/tarnwick-batch <<'SH'
#!/usr/bin/env bash
set -m  # each child in its own process group, as the real server does
echo ready
# Children keep standard output (the protocol) out of reach, as the real ones.
while IFS= read -r f; do
    case $f in
        *hang.php) (sleep 300) > /dev/null & ;;
        *crash.php) (kill -SEGV $BASHPID) > /dev/null & ;;
        *zz-die.php) exit 1 ;;  # before starting the file
        *m-die.php) (sleep 300) > /dev/null & echo "started $!"; echo $! > "${f%.php}.pid"; exit 1 ;;
        *) (echo "$f(1): batch checker" >&2; exit 5) > /dev/null & ;;
    esac
    pid=$!
    echo "started $pid"
    wait $pid
    st=$?
    if [ $st -gt 128 ]; then echo "signalled $((st - 128))"; else echo "exited $st"; fi
done
SH
    chmod +x bin/tarnwick bin/tarnwick-batch
    touch t/a.php t/crash.php t/hang.php t/m-die.php t/z.php t/zz-die.php
    SECONDS=0
    run -q -j1 --timeout=1 t
    expect_status "$status" 2 "stand-in batch server"
    [ $SECONDS -lt 60 ] || fail "the run waited for a hung child"
    # A server that ends while checking a file is replaced; one that keeps
    # ending before it starts a file is given up, and the file is checked by
    # a checker process of its own.
    expect_same "t/a.php(1): batch checker
t/z.php(1): batch checker
t/zz-die.php(1): per-file checker" "$out" "findings through the batch server, also after it died"
    [[ $err == *"t/crash.php: the checker was killed by signal 11"* ]] || fail "crash through the server: $err"
    [[ $err == *"t/hang.php: the checker did not finish within the time limit of 1 s"* ]] || fail "time-out: $err"
    [[ $err == *"t/m-die.php: the batch server ended while checking it"* ]] || fail "server death: $err"
    [[ $err != *"zz-die.php:"* ]] || fail "a file blamed for the server's end: $err"
    [[ $err != *"a.php:"* && $err != *"z.php:"* ]] || fail "a clean run reported as a failure: $err"
    alive() { [ -r "/proc/$1/stat" ] && ! grep -q '^[0-9]* ([^)]*) Z' "/proc/$1/stat"; }
    if [ -s t/m-die.pid ]; then
        pid=$(cat t/m-die.pid)
        for _ in 1 2 3 4 5 6 7 8 9 10; do alive "$pid" || break; sleep 0.5; done
        if alive "$pid"; then fail "the child of the dead server survived"; kill "$pid"; fi
    else
        fail "the stand-in server did not start m-die.php"
    fi
    run -q --no-batch t/a.php
    expect_same "t/a.php(1): per-file checker" "$out" "--no-batch"

    # The real programs without their definitions: the server cannot start,
    # so every file is run alone and reports the checker's own failure.
    rm -rf bin && mkdir bin
    cp "$tree" "$checker" "$(dirname "$checker")/tarnwick-batch" bin/
    run -q t/a.php
    expect_status "$status" 2 "no definitions"
    [[ $err == *"t/a.php: the checker stopped with status 3: Could not initialize. Please repair installation."* ]] \
        || fail "no definitions: $err"
    ;;

parity)
    # Every end-to-end case of the checker, run through the runner and its
    # batch server: the same lines in the same order.
    checked=0
    for case in "$(cd "$here/../e2e/cases" && pwd)"/*/; do
        case=${case%/}
        [ -f "$case/case.php" ] || continue
        [ -e "$case/args" ] || [ -e "$case/env" ] || [ -e "$case/setup.sh" ] || [ -e "$case/wrapper" ] && continue
        grep -q '@INSTALL@' "$case/expected.stderr" && continue
        expected_status=$(tr -d '[:space:]' < "$case/expected.status")
        [ "$expected_status" -ge 1 ] && [ "$expected_status" -le 4 ] && continue
        cd "$case"; run -q --timeout=60 case.php; cd "$work"  # as the cases run: from their folder
        expected=$(sed "s#@DIR@#$case#g" "$case/expected.stderr")
        expect_same "$expected" "$(printf '%s\n' "$out" | sed '/^$/d')" "$(basename "$case")"
        expect_status "$status" "$([ "$expected_status" = 0 ] && echo 0 || echo 1)" "$(basename "$case")"
        checked=$((checked + 1))
    done
    echo "$checked cases compared"
    [ "$checked" -ge 40 ] || fail "only $checked cases compared"
    ;;

*)
    echo "unknown scenario $scenario"
    exit 1
    ;;
esac

[ "$failures" = 0 ] && echo pass && exit 0
exit 1
