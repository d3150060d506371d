#!/usr/bin/env bash
# A long fuzz run over the Loan Estimate reader, outside the test command:
#   scripts/fuzz-reader.sh N [seed]
# Makes N damaged copies of a synthetic Loan Estimate and reads each through the window's reader
# process (5 s, 512 MB), then prints how many were read, refused, stopped or timed out.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PLUMCREST_BUILD_DIR:-$root/build}
count=${1:?usage: scripts/fuzz-reader.sh N [seed]}
seed=${2:-1}
if [ ! -f "$build/CMakeCache.txt" ]; then
  "$root/scripts/build.sh"
fi
cmake --build "$build" --target fuzz_reader -j2 >/dev/null
ulimit -c 0
exec "$build/bin/fuzz_reader" "$count" "$seed"
