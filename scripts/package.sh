#!/usr/bin/env bash
# Builds the Debian package plumcrest_<version>_<arch>.deb into build/packages/ (or
# $PLUMCREST_BUILD_DIR/packages/) and lists its contents. Install it with
#     sudo apt install ./build/packages/plumcrest_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/bootstrap.sh"
build=${PLUMCREST_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
if ! grep -q '^CPACK_PACKAGE_NAME' "$build/CPackConfig.cmake" 2>/dev/null; then
  echo "package.sh: $build has no CPack configuration (is cmake/Packaging.cmake included?)" >&2
  exit 1
fi
(cd "$build" && cpack -G DEB)
for deb in "$build"/packages/plumcrest_*.deb; do
  echo "== $deb"
  dpkg-deb --info "$deb" | sed -n '/Package:/,$p'
  dpkg-deb --contents "$deb"
done
