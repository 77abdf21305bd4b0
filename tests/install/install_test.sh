#!/usr/bin/env bash
# Installs the build into a temporary prefix (and, with "deb", builds the
# Debian package and unpacks it), then runs the installed programs through
# their bin/ links from another directory: the checker must find its
# definitions beside its resolved path. install_test.sh BUILD_DIR [deb]
set -u
build=$1 mode=${2:-prefix}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if [ "$mode" = deb ]; then
    command -v cpack > /dev/null && command -v dpkg-deb > /dev/null || { echo "skipped: no cpack or dpkg-deb"; exit 77; }
    cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/pkg" > "$work/cpack.log" 2>&1 \
        || { cat "$work/cpack.log"; exit 1; }
    deb=$(ls "$work"/pkg/*.deb)
    dpkg-deb -f "$deb" Package | grep -qx tarnwick || fail "package name"
    dpkg-deb -f "$deb" Depends | grep -q libc6 || fail "shared-library dependencies"
    dpkg-deb -x "$deb" "$work/root"
    prefix=$work/root/usr
else
    prefix=$work/prefix
    cmake --install "$build" --prefix "$prefix" > "$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }
fi

for program in tarnwick tarnwick-tree; do
    [ -L "$prefix/bin/$program" ] || fail "bin/$program is not a link"
    [ -x "$prefix/lib/tarnwick/$program" ] || fail "lib/tarnwick/$program missing"
done
[ -x "$prefix/lib/tarnwick/tarnwick-batch" ] || fail "lib/tarnwick/tarnwick-batch missing"
for def in class.php function.php constant.php definitions.bin; do
    [ -s "$prefix/lib/tarnwick/$def" ] || fail "lib/tarnwick/$def missing"
done
ls "$prefix"/bin/*.php > /dev/null 2>&1 && fail "definition files in bin/"

mkdir "$work/code"
printf '<?php\necho strlen("ok");\nnew Nope();\n' > "$work/code/case.php"
cd "$work/code" || exit 1
env -u TARNWICK_PATH "$prefix/bin/tarnwick" case.php > /dev/null 2> err
status=$?
[ "$status" = 255 ] || fail "installed checker: exit status $status, expected 255"
[ "$(cat err)" = "$work/code/case.php(3): Undefined class 'Nope'" ] || fail "installed checker said: $(cat err)"

# Through PATH, as a user runs it.
env -u TARNWICK_PATH PATH="$prefix/bin:$PATH" tarnwick case.php 2> err2 > /dev/null
cmp -s err err2 || fail "checker run through PATH said: $(cat err2)"

# The installed runner finds the installed checker beside itself.
env -u TARNWICK_PATH "$prefix/bin/tarnwick-tree" -q . > out 2> runner-err
status=$?
[ "$status" = 1 ] || fail "installed runner: exit status $status, expected 1 ($(cat runner-err))"
cmp -s err out || fail "installed runner reported: $(cat out)"
env -u TARNWICK_PATH "$prefix/bin/tarnwick-tree" -q --no-batch . > out2 2> /dev/null
cmp -s err out2 || fail "installed runner without the batch server reported: $(cat out2)"

[ "$failures" = 0 ] && echo pass && exit 0
exit 1
