#!/usr/bin/env bash
# Mutation testing, outside the test command (it is slow):
#   scripts/mutation.sh FILE[:FIRST-LAST]...
# Plants one textual fault at a time in each FILE (or its lines FIRST to LAST): a swapped
# comparison, arithmetic or logical operator, a constant shifted by one, a term dropped from a
# sum, an element dropped from a brace list, a deleted statement. For each it rebuilds the test
# programs mapped to the file's folder, runs them and restores the file, then prints every
# surviving mutant with its line and the score (killed / (killed + survived)).
# Environment: MUTATION_BUILD_DIR (default build/), MUTATION_TIMEOUT seconds per test program
# (120), MUTATION_SAMPLE mutants per file (0 = all), MUTATION_SEED (1), MUTATION_IDS (only these
# ids, as printed: file:line:index, comma separated), MUTATION_JOBS (2).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exec /usr/bin/python3 "$root/scripts/mutation.py" "$@"
