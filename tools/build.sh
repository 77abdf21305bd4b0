#!/usr/bin/env bash
# Configures and builds into build/ (Ninja when present).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build -j "$(nproc)"
