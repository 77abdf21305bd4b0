#!/usr/bin/env bash
# Median wall time of the checker and of `php -l` on the same files.
#
#   bench/compare_php_lint.sh [runs] file.php...
#
# With no file, an empty file is used (start-up cost). Needs php-cli
# (apt-get install php-cli); the checker is build/tarnwick unless
# TARNWICK=path is set.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
checker=${TARNWICK:-$here/build/tarnwick}
runs=11
if [[ ${1:-} =~ ^[0-9]+$ ]]; then runs=$1; shift; fi
files=("$@")
if [ ${#files[@]} -eq 0 ]; then
  empty=$(mktemp --suffix=.php); files=("$empty")
fi
command -v php >/dev/null || { echo "php is not installed (apt-get install php-cli)"; exit 1; }

median() {  # command...: median wall seconds over $runs runs
  local times=()
  for _ in $(seq "$runs"); do
    local t0 t1
    t0=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    t1=$(date +%s%N)
    times+=($(( (t1 - t0) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p" | awk '{printf "%.1f ms", $1 / 1000}'
}

for f in "${files[@]}"; do
  printf '%s (%s bytes): tarnwick %s, php -l %s\n' "$f" "$(stat -c %s "$f")" \
    "$(median "$checker" "$f")" "$(median php -l "$f")"
done
