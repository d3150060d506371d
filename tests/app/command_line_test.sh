#!/usr/bin/env bash
# The program's command line as a shell user meets it: --help and --version answer without a
# display, and a start without any graphical session ends with one plain line and status 1.
# Usage: command_line_test.sh <plumcrest executable> <version>
set -uo pipefail
exe=$1 version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# No display of any kind, a fresh HOME, the default platform plugin.
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" \
    "$@" >"$tmp/out" 2>"$tmp/err"
}

for arg in --help -h; do
  run timeout 20 "$exe" "$arg"
  rc=$?
  [ $rc -eq 0 ] || fail "$arg exited with $rc: $(cat "$tmp/err")"
  [ "$(head -n 1 "$tmp/out")" = "Usage: plumcrest" ] || fail "$arg printed: $(cat "$tmp/out")"
  grep -q -- '--version' "$tmp/out" || fail "$arg does not mention --version"
  [ ! -s "$tmp/err" ] || fail "$arg wrote to stderr: $(cat "$tmp/err")"
done

run timeout 20 "$exe" --version
rc=$?
[ $rc -eq 0 ] || fail "--version exited with $rc: $(cat "$tmp/err")"
[ "$(cat "$tmp/out")" = "plumcrest $version" ] || fail "--version printed: $(cat "$tmp/out")"

# An argument the program does not know is ignored: it tries to start, and finds no display.
for args in "" "--frobnicate" "somefile.txt"; do
  # shellcheck disable=SC2086
  run timeout 20 "$exe" $args
  rc=$?
  [ $rc -eq 1 ] || fail "start without display ($args) exited with $rc, not 1"
  lines=$(wc -l <"$tmp/err")
  [ "$lines" -eq 1 ] || fail "start without display ($args) wrote $lines lines: $(cat "$tmp/err")"
  grep -q 'graphical session' "$tmp/err" || fail "no word of a graphical session: $(cat "$tmp/err")"
  grep -q 'xvfb-run' "$tmp/err" || fail "no word of xvfb-run: $(cat "$tmp/err")"
  [ ! -s "$tmp/out" ] || fail "start without display wrote to stdout: $(cat "$tmp/out")"
done

# A display that is named but does not answer is said to be unreachable, by its name.
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:4711 HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" \
  timeout 20 "$exe" >"$tmp/out" 2>"$tmp/err"
rc=$?
[ $rc -eq 1 ] || fail "start with an unreachable display exited with $rc, not 1"
[ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "unreachable display wrote: $(cat "$tmp/err")"
grep -q 'could not reach the display DISPLAY=:4711' "$tmp/err" ||
  fail "the unreachable display is not named: $(cat "$tmp/err")"

# A display named by Wayland alone is named too.
env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-4711 HOME="$tmp" \
  XDG_CONFIG_HOME="$tmp/config" timeout 20 "$exe" >"$tmp/out" 2>"$tmp/err"
grep -q 'could not reach the display WAYLAND_DISPLAY=wayland-4711' "$tmp/err" ||
  fail "the unreachable Wayland display is not named: $(cat "$tmp/err")"

# A Loan Estimate to read, named last, is read without a display; a file that is no PDF is
# refused with one line and status 2.
echo "not a form" >"$tmp/offer.pdf"
run timeout 20 "$exe" --read-loan-estimate "$tmp/offer.pdf"
rc=$?
[ $rc -eq 2 ] || fail "--read-loan-estimate of a text file exited with $rc, not 2: $(cat "$tmp/err")"
grep -q 'not a PDF' "$tmp/err" || fail "--read-loan-estimate does not say why: $(cat "$tmp/err")"
[ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "--read-loan-estimate wrote: $(cat "$tmp/err")"

# What is not a file to read is refused at once with its reason, before anything is read: a pipe
# (which would block), a device, a folder, a file far beyond a form's size, a file whose size
# changes as it is read, a file this user may not read. A name that is not valid UTF-8 is found.
mkfifo "$tmp/pipe.pdf"
mkdir "$tmp/folder.pdf"
truncate -s 20G "$tmp/huge.pdf"
name=$(printf '%s/\377\376offer.pdf' "$tmp")
echo "not a form" >"$name"
echo "not a form" >"$tmp/locked.pdf"
chmod 000 "$tmp/locked.pdf"
chmod 755 "$tmp"
as_user=()
if [ "$(id -u)" -eq 0 ]; then as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups); fi
while IFS='|' read -r file why; do
  start=$(date +%s%N)
  if [ "$file" = "$tmp/locked.pdf" ]; then
    run timeout 20 "${as_user[@]}" "$exe" --read-loan-estimate "$file"
  else
    run timeout 20 "$exe" --read-loan-estimate "$file"
  fi
  rc=$?
  took=$((($(date +%s%N) - start) / 1000000))
  [ $rc -eq 2 ] || fail "--read-loan-estimate $file exited with $rc, not 2: $(cat "$tmp/err")"
  grep -q "$why" "$tmp/err" || fail "--read-loan-estimate $file does not say '$why': $(cat "$tmp/err")"
  [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "--read-loan-estimate $file wrote: $(cat "$tmp/err")"
  [ "$took" -lt 5000 ] || fail "--read-loan-estimate $file took $took ms to refuse"
done <<CASES
$tmp/pipe.pdf|not a regular file
/dev/zero|not a regular file
$tmp/folder.pdf|a folder, not a file
$tmp/huge.pdf|far larger than a Loan Estimate
/proc/self/status|changed while it was being read
$tmp/locked.pdf|do not have permission to read
$name|not a PDF
CASES

[ $failures -eq 0 ] || exit 1
echo "command line OK"
