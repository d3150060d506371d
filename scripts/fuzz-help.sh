#!/usr/bin/env bash
# A long fuzz run over the help reader, outside the test command:
#   scripts/fuzz-help.sh N [seed]
# Makes N damaged copies of the built help file and opens each in a child process, once as the
# program does and once straight through chmlib, then prints how many were refused, opened,
# crashed or hung. Exit status 1 when the program's reader opened a damaged copy, crashed or hung.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PLUMCREST_BUILD_DIR:-$root/build}
count=${1:?usage: scripts/fuzz-help.sh N [seed]}
seed=${2:-1}
if [ ! -f "$build/CMakeCache.txt" ]; then
  "$root/scripts/build.sh"
fi
cmake --build "$build" --target fuzz_help_file -j"$(nproc)" >/dev/null
# chmlib's own faults are expected in the unchecked runs; keep the core files out of the way.
ulimit -c 0
exec "$build/bin/fuzz_help_file" "$count" "$seed"
