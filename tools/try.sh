#!/usr/bin/env bash
# Builds the checker and runs it on the bundled example.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh >/dev/null
echo "\$ build/tarnwick examples/example.php"
status=0
build/tarnwick examples/example.php || status=$?
echo "(exit status $status: the number of lines printed, see README)"
