#!/usr/bin/env bash
# Times the checker on calls nested in their own arguments, f(f(f(...))), for
# a user function and for dirname (whose calls are evaluated). Checking a
# call asks its arguments for their static values, so the cost must stay
# about linear in the depth for a user function: target under 1 s at depth
# 3000 (the parser's stack ends below 5000). Evaluated calls (dirname) are
# still quadratic: each level evaluates the levels inside it again.
#
#   bench/nested_calls.sh [build/tarnwick]
set -euo pipefail
checker=${1:-$(dirname "$0")/../build/tarnwick}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for depth in 1000 2000 3000; do
  python3 - "$depth" > "$work/user.php" <<'PY'
import sys
n = int(sys.argv[1])
print("<?php function f($x) { return $x; }\necho " + "f(" * n + "1" + ")" * n + ";")
PY
  python3 - "$depth" > "$work/dirname.php" <<'PY'
import sys
n = int(sys.argv[1])
print("<?php echo " + "dirname(" * n + "'/a/b'" + ")" * n + ";")
PY
  for kind in user dirname; do
    start=$(date +%s.%N)
    "$checker" "$work/$kind.php" 2>/dev/null || true
    end=$(date +%s.%N)
    printf '%-8s depth %5d: %.3f s\n' "$kind" "$depth" "$(echo "$end - $start" | bc)"
  done
done
