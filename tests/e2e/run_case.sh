#!/usr/bin/env bash
# Runs the checker on one end-to-end case and compares standard error and the
# exit status exactly.
#
# A case is a directory holding the PHP file(s) and:
#   expected.stderr  exact standard error; @DIR@ stands for the case's absolute
#                    directory, @INSTALL@ for the installation directory
#   expected.status  the exit status
#   args             optional: arguments, one per line (default: case.php;
#                    an empty file gives no argument)
#   env              optional: NAME=value lines added to the environment
#   setup.sh         optional: run in the case directory before the checker,
#                    with INSTALL set (to remove or spoil definition files)
#   wrapper          optional: a bash snippet that runs the command given as its
#                    arguments ("$@"), e.g. in another mount namespace; when it
#                    cannot set itself up it exits 77 and the case is skipped
# The binary and the definitions are copied to a fresh installation directory.
set -u
exe=$1 defs=$2 case=$3
work=$(mktemp -d)
trap 'chmod -R u+rwx "$work" 2>/dev/null; rm -rf "$work"' EXIT
install="$work/install"
mkdir -p "$install"
cp "$exe" "$install/tarnwick"
cp "$defs"/*.php "$install/"
# The precompiled definitions too, as an installation has them (setup.sh
# may spoil the files; the checker then refuses the image and reads them).
[ -f "$defs/definitions.bin" ] && cp "$defs/definitions.bin" "$install/"
cp -r "$case" "$work/case"
dir="$work/case"
cd "$dir" || exit 1
if [ -f setup.sh ]; then INSTALL="$install" bash setup.sh || { echo "setup failed"; exit 1; }; fi
args=(case.php)
[ -f args ] && mapfile -t args < args
envs=()
if [ -f env ]; then
  while IFS= read -r line; do [ -n "$line" ] && envs+=("${line//@INSTALL@/$install}"); done < env
fi
cmd=(timeout 60 env -u TARNWICK_PATH "${envs[@]}" "$install/tarnwick" "${args[@]}")
if [ -f wrapper ]; then
  bash wrapper "${cmd[@]}" > /dev/null 2> "$work/stderr"
else
  "${cmd[@]}" > /dev/null 2> "$work/stderr"
fi
status=$?
[ -f wrapper ] && [ $status = 77 ] && { echo "skipped: $(cat "$work/stderr")"; exit 77; }
sed -e "s#@DIR@#$dir#g" -e "s#@INSTALL@#$install#g" expected.stderr > "$work/expected"
expected_status=$(tr -d '[:space:]' < expected.status)
ok=1
if ! cmp -s "$work/expected" "$work/stderr"; then
  echo "standard error differs (expected, actual):"
  diff -u "$work/expected" "$work/stderr" | sed 's/^/  /'
  ok=0
fi
if [ "$status" != "$expected_status" ]; then
  echo "exit status: expected $expected_status, got $status"
  ok=0
fi
[ $ok = 1 ] && echo "pass" && exit 0
exit 1
