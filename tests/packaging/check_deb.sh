#!/usr/bin/env bash
# Builds the .deb with scripts/package.sh from an already built tree into a temporary folder and
# checks what a packager and apt would check: the control fields, the installed layout, the
# Installed-Size dpkg would compute, the description width and lintian --pedantic.
# Usage: check_deb.sh <source dir> <build dir> <version>
set -euo pipefail
src=$1 build=$2 version=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

if ! PLUMCREST_NO_BUILD=1 PLUMCREST_BUILD_DIR="$build" PLUMCREST_PACKAGE_DIR="$tmp/out" \
    "$src/scripts/package.sh" >"$tmp/package.log" 2>&1; then
  cat "$tmp/package.log" >&2
  echo "FAIL: scripts/package.sh failed" >&2
  exit 1
fi
deb="$tmp/out/plumcrest_${version}_$(dpkg --print-architecture).deb"
if [ ! -f "$deb" ]; then
  ls -l "$tmp/out" >&2
  echo "FAIL: $deb was not built" >&2
  exit 1
fi

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = plumcrest ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"

# The description is shown as written: every line of it fits in 80 columns.
field Description >"$tmp/description"
[ "$(wc -l <"$tmp/description")" -ge 3 ] || fail "the description has no extended part"
while IFS= read -r line; do
  [ ${#line} -le 80 ] || fail "description line of ${#line} columns: $line"
done <"$tmp/description"

dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./||' >"$tmp/contents"
for path in usr/lib/plumcrest/plumcrest usr/lib/plumcrest/plumcrest-reader \
    usr/lib/plumcrest/plumcrestcalc.chm usr/lib/plumcrest/plumcrestcalc_es.chm \
    usr/lib/plumcrest/License.txt usr/bin/plumcrest usr/share/man/man1/plumcrest.1.gz \
    usr/share/man/es/man1/plumcrest.1.gz \
    usr/share/doc/plumcrest/copyright usr/share/doc/plumcrest/changelog.gz \
    usr/share/applications/example.quillmore.Plumcrest.desktop \
    usr/share/metainfo/example.quillmore.Plumcrest.metainfo.xml \
    usr/share/icons/hicolor/48x48/apps/plumcrest.png \
    usr/share/icons/hicolor/scalable/apps/plumcrest.svg; do
  grep -qx "$path" "$tmp/contents" || fail "$path is not in the package"
done

# Installed-Size as dpkg-gencontrol computes it: each regular file or symbolic link rounded up to
# whole KiB, every other entry (the folders) 1 KiB.
dpkg-deb --extract "$deb" "$tmp/root"
expected=$(find "$tmp/root" -printf '%y %s\n' |
  awk '$1 == "f" || $1 == "l" { kib += int(($2 + 1023) / 1024); next } { kib += 1 } END { print kib }')
[ "$(field Installed-Size)" = "$expected" ] ||
  fail "Installed-Size is $(field Installed-Size), dpkg would say $expected"

# The packaged program runs from the command on the PATH, without a display.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$tmp/root/usr/bin/plumcrest" --version 2>&1) ||
  fail "plumcrest --version exited with $?: $out"
[ "$out" = "plumcrest $version" ] || fail "plumcrest --version printed '$out'"

# The changelog names this version at its top.
top=$(zcat "$tmp/root/usr/share/doc/plumcrest/changelog.gz" | head -n 1)
case "$top" in
  "plumcrest ($version) "*) ;;
  *) fail "the changelog starts with '$top'" ;;
esac

if ! command -v lintian >/dev/null; then
  fail "lintian is missing (scripts/bootstrap.sh installs it)"
else
  lintian --pedantic --display-info --display-experimental --tag-display-limit 0 "$deb" >"$tmp/lintian" 2>&1 || true
  cat "$tmp/lintian"
  # Errors, warnings and pedantic findings must go; so must any missing hardening flag.
  if grep -E '^(E|W|P): |hardening-' "$tmp/lintian" >&2; then
    fail "lintian has findings (above)"
  fi
fi

# The files are the ones the md5sums list.
(cd "$tmp/root" && dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./md5sums | md5sum --check --quiet) ||
  fail "md5sums do not match the files"

[ $failures -eq 0 ] || exit 1
echo "package OK: $deb"
