#!/usr/bin/env bash
# "plumcrest --schedule" as a script meets it, with no display at all: the CSV of loans worked by
# hand, and one line on standard error with status 2 for each kind of bad option.
# Usage: schedule_command_test.sh <plumcrest executable>
set -uo pipefail
exe=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" \
    timeout 20 "$exe" --schedule "$@" >"$tmp/out" 2>"$tmp/err"
}
# Field $2 of the row for month $1 (CR stripped).
field() { tr -d '\r' <"$tmp/out" | awk -F, -v m="$1" -v f="$2" '$1 == m { print $f }'; }
# The sum of the interest column, in cents.
interest() { tr -d '\r' <"$tmp/out" | awk -F, 'NR > 1 { split($4, p, "."); s += p[1] * 100 + p[2] } END { print s }'; }

# 200,000.00 at 6 % for 30 years: 231,677.04 of interest; 100.00 more each month pays it off in
# month 295 (year 25) with 182,538.19, that is 49,138.85 less.
run --loan 200000 --rate 6 --years 30
[ $? -eq 0 ] || fail "plain schedule: $(cat "$tmp/err")"
[ "$(head -n 1 "$tmp/out")" = $'Month,Year,Payment,Interest,Principal,Balance,Mortgage insurance,Total payment\r' ] ||
  fail "header: $(head -n 1 "$tmp/out")"
[ "$(interest)" = 23167704 ] || fail "plain interest $(interest)"
run --loan 200000.00 --rate 6.0 --years 30 --extra-monthly 100
[ $? -eq 0 ] || fail "extra monthly: $(cat "$tmp/err")"
[ "$(tail -n 1 "$tmp/out")" = $'295,25,602.79,3.00,599.79,0.00,0.00,602.79\r' ] ||
  fail "last row with extras: $(tail -n 1 "$tmp/out")"
[ "$(field 1 3)" = 1299.10 ] || fail "month 1 pays $(field 1 3)"
[ "$(interest)" = 18253819 ] || fail "interest with extras $(interest)"
[ ! -s "$tmp/err" ] || fail "stderr: $(cat "$tmp/err")"

# Extras from a month, once, yearly and biweekly land in their months.
run --loan 200000 --rate 6 --years 30 --extra-monthly 250.50@13 --extra-once 12:5000 \
  --extra-yearly 3:2000
[ "$(field 12 6)" = 190452.15 ] || fail "balance after the one-off extra: $(field 12 6)"
[ "$(field 15 3)" = 3449.60 ] || fail "month 15 with the yearly and monthly extras: $(field 15 3)"
[ "$(tail -n 1 "$tmp/out" | cut -d, -f1)" = 190 ] || fail "mixed extras end in $(tail -n 1 "$tmp/out")"
run --loan 200000 --rate 6 --years 30 --biweekly
[ "$(field 12 3)" = 2398.20 ] || fail "biweekly month 12 pays $(field 12 3)"
[ "$(field 13 3)" = 1199.10 ] || fail "biweekly month 13 pays $(field 13 3)"

# A 5/1 adjustable loan: 6.75 % from month 61 as the index stands; 7.5 % then 9.5 % at worst.
arm=60:4.0:2.75:2:2:5:2.75:12
run --loan 300000 --rate 5.5 --years 30 --arm $arm
[ "$(field 60 3),$(field 61 3),$(field 73 3)" = 1703.37,1916.46,1916.46 ] ||
  fail "indexed payments $(field 60 3),$(field 61 3),$(field 73 3)"
run --loan 300000 --rate 5.5 --years 30 --arm $arm --worst-case
[ "$(field 61 3),$(field 73 3),$(field 85 3)" = 2049.83,2413.98,2600.22 ] ||
  fail "worst-case payments $(field 61 3),$(field 73 3),$(field 85 3)"
[ "$(field 73 4)" = 2164.84 ] || fail "worst-case interest in month 73: $(field 73 4)"

# Bad options: status 2, one line naming the option, nothing on standard output.
bad() {
  run "$@"
  rc=$?
  [ $rc -eq 2 ] || fail "$* exited with $rc"
  [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "$* wrote: $(cat "$tmp/err")"
  [ ! -s "$tmp/out" ] || fail "$* wrote to stdout"
}
bad --loan 200000 --rate 6
bad --loan 200,000 --rate 6 --years 30
bad --loan 200000 --rate 6 --years 30 --extra-once 361:100
bad --loan 200000 --rate 6 --years 30 --extra-yearly 13:100
bad --loan 200000 --rate 6 --years 30 --extra-monthly 100@0
bad --loan 200000 --rate 6 --years 30 --worst-case
bad --loan 200000 --rate 6 --years 30 --arm 60:4:2.75:2:2:5:2.75
bad --loan 200000 --rate 6 --years 30 --frobnicate
bad --loan 200000 --rate 6 --years
grep -q -- "--extra-once" "$tmp/err" && fail "a missing value blamed the wrong option"

[ $failures -eq 0 ] || exit 1
echo "schedule command OK"
