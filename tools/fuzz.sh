#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs one.
#   tools/fuzz.sh [file|pair] [seconds] [extra libFuzzer options...]
# Seeds: the end-to-end cases and a sample of the real PHP under
# $TARNWICK_CORPUS (default ~/.cache/tarnwick-corpus/tree) when present.
# The growing corpus stays in build-fuzz/corpus-<target>/, crashes in
# build-fuzz/artifacts-<target>/. An input slower than 10 s is a hang.
# In-process runs keep what the analysis leaves in its tables (classes,
# functions of each input), so the fuzzing runs in a child process that is
# replaced now and then (-fork=1) and memory does not pile up.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
target=${1:-file}
seconds=${2:-1800}
shift $(( $# > 2 ? 2 : $# ))
case $target in file|pair) ;; *) echo "usage: $0 [file|pair] [seconds]" >&2; exit 2 ;; esac
bash tools/deps.sh
command -v clang++ >/dev/null || { export DEBIAN_FRONTEND=noninteractive; apt-get install -y -qq clang libclang-rt-dev >/dev/null; }
dir=${TARNWICK_FUZZ_DIR:-build-fuzz}
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f "$dir/CMakeCache.txt" ]; then
  CXX=clang++ cmake -S . -B "$dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DTARNWICK_FUZZ=ON -DTARNWICK_TESTS=OFF >/dev/null
fi
cmake --build "$dir" -j "${JOBS:-2}" --target "fuzz_analyse_$target"

seeds="$dir/seeds-$target"
corpus="$dir/corpus-$target"
artifacts="$dir/artifacts-$target"
mkdir -p "$seeds" "$corpus" "$artifacts"
if [ -z "$(ls -A "$seeds")" ]; then
  sep=$'\n//--inc.php\n'
  for c in tests/e2e/cases/*/; do
    name=$(basename "$c")
    files=("$c"*.php)
    [ -e "${files[0]}" ] || continue
    if [ "$target" = file ]; then
      for f in "${files[@]}"; do cp "$f" "$seeds/e2e-$name-$(basename "$f")"; done
    elif [ ${#files[@]} -ge 2 ]; then
      { cat "${files[0]}"; printf '%s' "$sep"; cat "${files[1]}"; } > "$seeds/e2e-$name"
    else
      { printf '%s' "$sep"; cat "${files[0]}"; } > "$seeds/e2e-$name"
    fi
  done
  corpus_tree=${TARNWICK_CORPUS:-$HOME/.cache/tarnwick-corpus/tree}
  if [ -d "$corpus_tree" ]; then
    # Small real files (libFuzzer's input limit), a fixed sample.
    find "$corpus_tree" -name '*.php' -size -16k | sort | awk 'NR % 7 == 0' | head -150 |
      while read -r f; do cp "$f" "$seeds/real-$(echo "$f" | md5sum | cut -c1-12).php"; done
  fi
fi
cd "$dir"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
exec "./fuzz/fuzz_analyse_$target" -dict="$root/fuzz/php.dict" -timeout=10 -max_len=16384 \
     -rss_limit_mb=4096 -max_total_time="$seconds" -artifact_prefix="artifacts-$target/" \
     -print_final_stats=1 -fork=1 "$@" "corpus-$target" "seeds-$target"
