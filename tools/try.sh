#!/usr/bin/env bash
# Builds the checker and runs it on the bundled example.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh >/dev/null
echo "\$ build/tarnwick examples/example.php"
status=0
build/tarnwick examples/example.php || status=$?
echo "(exit status $status: 256 minus the number of findings printed, 0 for none; see README)"
