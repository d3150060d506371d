#!/usr/bin/env bash
# Builds the Debian package plumcrest_<version>_<arch>.deb into build/packages/ and lists its
# contents. Install it with
#     sudo apt install ./build/packages/plumcrest_*.deb
#
# PLUMCREST_BUILD_DIR   build tree to configure, build and package (default: build/)
# PLUMCREST_PACKAGE_DIR where the .deb goes (default: <build tree>/packages)
# PLUMCREST_NO_BUILD=1  package the build tree as it is, without configuring or building it
#                       (the packaging test uses this on the tree it was built in)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PLUMCREST_BUILD_DIR:-$root/build}
packages=${PLUMCREST_PACKAGE_DIR:-$build/packages}
if [ "${PLUMCREST_NO_BUILD:-0}" != 1 ]; then
  "$root/scripts/bootstrap.sh"
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$build" -j"$(nproc)"
fi
# CPack writes its configuration as set(CPACK_... "...") lines.
if ! grep -q '^set(CPACK_PACKAGE_NAME "plumcrest")' "$build/CPackConfig.cmake" 2>/dev/null; then
  echo "package.sh: $build has no CPack configuration for plumcrest (is cmake/Packaging.cmake included?)" >&2
  exit 1
fi
mkdir -p "$packages"
rm -f "$packages"/plumcrest_*.deb
(cd "$build" && cpack -G DEB -B "$packages")
shopt -s nullglob
debs=("$packages"/plumcrest_*.deb)
if [ ${#debs[@]} -eq 0 ]; then
  echo "package.sh: cpack produced no plumcrest_*.deb in $packages" >&2
  exit 1
fi
for deb in "${debs[@]}"; do
  echo "== $deb"
  dpkg-deb --field "$deb"
  dpkg-deb --contents "$deb"
done
