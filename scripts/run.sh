#!/usr/bin/env bash
# Builds Plumcrest and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
build=${PLUMCREST_BUILD_DIR:-$root/build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<MSG
Plumcrest is a desktop program and this session has no display (neither DISPLAY nor WAYLAND_DISPLAY is set).
Run it from a graphical desktop, or under a virtual X server:
    xvfb-run -a -s "-screen 0 1024x768x24" $build/bin/plumcrest
MSG
  exit 1
fi
exec "$build/bin/plumcrest"
