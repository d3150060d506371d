#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with, only when missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libqt6sql6-sqlite libjpeg62-turbo-dev libsimpleini-dev fp-utils libchm-dev
  libpoppler-private-dev  # reading lenders' Loan Estimates (PDF): Poppler's own classes
  zlib1g-dev  # the reader counts what a PDF's compressed pages would cost before Poppler draws them
  qt6-charts-dev libqt6opengl6-dev  # Charts needs the OpenGL module's CMake files, which its package omits
  qt6-tools-dev qt6-l10n-tools  # Qt6LinguistTools' CMake files; lupdate and lrelease
  qt6-translations-l10n locales  # Qt's own buttons in Spanish; the Spanish locale the tests run under
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2
  xvfb xauth xdotool dbus-x11 at-spi2-core python3-pyatspi gir1.2-atspi-2.0 imagemagick poppler-utils
  x11-xserver-utils  # xmodmap: the end-to-end tests give the Spanish letters keys of their own
  desktop-file-utils appstream dpkg-dev file lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# The Spanish scenarios run under es_US.UTF-8, which a bare machine has not generated.
spanish_locale() {
  locale -a 2>/dev/null | grep -qi '^es_US\.utf-\?8$' && return 0
  command -v localedef >/dev/null 2>&1 || return 0
  ${sudo} localedef -i es_US -f UTF-8 es_US.UTF-8 || echo "es_US.UTF-8 could not be generated" >&2
}

sudo=""
if [ ${#missing[@]} -eq 0 ]; then
  [ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null 2>&1 && sudo="sudo"
  spanish_locale
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Install them as root (apt-get install ${missing[*]}), or install sudo, then run this again." >&2
    exit 1
  fi
  sudo="sudo"
fi
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
spanish_locale
