#!/usr/bin/env bash
# Wall time of a whole-tree run of tarnwick-tree against `php -l` over the
# same files with the same parallelism.
#
#   bench/tree_vs_php_lint.sh [-j N] [DIR] [-- extra tarnwick-tree options]
#
# DIR defaults to the corpus that bench/robustness.py fetches
# (~/.cache/tarnwick-corpus/tree). Needs php-cli. The runner is
# build/tarnwick-tree unless TARNWICK_TREE=path is set.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
tree=${TARNWICK_TREE:-$here/build/tarnwick-tree}
jobs=$(nproc)
if [ "${1:-}" = -j ]; then jobs=$2; shift 2; fi
dir=${XDG_CACHE_HOME:-$HOME/.cache}/tarnwick-corpus/tree
if [ $# -gt 0 ] && [ "$1" != -- ]; then dir=$1; shift; fi
if [ "${1:-}" = -- ]; then shift; fi
command -v php > /dev/null || { echo "php is not installed (apt-get install php-cli)"; exit 1; }
[ -d "$dir" ] || { echo "no corpus at $dir (run bench/robustness.py once to fetch it)"; exit 1; }

list=$(mktemp)
trap 'rm -f "$list"' EXIT
find "$dir" -type f -name '*.php' -print0 | sort -z > "$list"
files=$(tr -cd '\0' < "$list" | wc -c)

seconds() {  # command...: wall seconds
    local t0 t1
    t0=$(date +%s%N)
    "$@" > /dev/null 2>&1 || true
    t1=$(date +%s%N)
    awk -v ns=$((t1 - t0)) 'BEGIN { printf "%.2f", ns / 1e9 }'
}

# One shell per 16 files, whose status is always 0: xargs stops launching
# commands at the first one that exits 255, which php -l does on files newer
# PHP refuses outright (a fatal error rather than a parse error).
lint() { xargs -0 -n 16 -P "$jobs" sh -c 'for f; do php -l "$f"; done; exit 0' sh < "$list"; }
t_php=$(seconds lint)
t_tree=$(seconds "$tree" -q -j "$jobs" --timeout=120 "$@" "$dir")

printf '%d files, %d jobs\n' "$files" "$jobs"
printf '  php -l         %7.2f s  %7.1f files/s\n' "$t_php" "$(awk -v f="$files" -v t="$t_php" 'BEGIN { print f / t }')"
printf '  tarnwick-tree  %7.2f s  %7.1f files/s  (%.2f x the time of php -l)\n' "$t_tree" \
    "$(awk -v f="$files" -v t="$t_tree" 'BEGIN { print f / t }')" "$(awk -v a="$t_tree" -v b="$t_php" 'BEGIN { print a / b }')"
