#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (node
# pool off) into build-asan/ and runs the whole test suite under it.
# Extra arguments go to ctest (e.g. -R e2e.).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
dir=${TARNWICK_ASAN_DIR:-build-asan}
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S . -B "$dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DTARNWICK_SANITIZE=ON >/dev/null
fi
cmake --build "$dir" -j "${JOBS:-2}"
# Leaks are not errors here: the checker leaves its tables (scopes, classes,
# functions) to the end of the process on purpose. Every other report stops
# the process with an error.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=0:detect_stack_use_after_return=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export TARNWICK_SANITIZED=1
cd "$dir"
ctest --output-on-failure -j "${JOBS:-2}" "$@"
