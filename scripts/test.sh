#!/usr/bin/env bash
# Builds Plumcrest and runs every test: unit, widget, window and end-to-end.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
build=${PLUMCREST_BUILD_DIR:-$root/build}
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 600
