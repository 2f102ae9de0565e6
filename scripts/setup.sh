#!/usr/bin/env bash
# Installs what Parvolin needs to build, run and test on Debian 12, then builds it.
# Usage: bash scripts/setup.sh [build-folder [cmake options...]]
# PARVOLIN_WERROR=ON (as CI sets it) makes every compiler warning an error.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libhunspell-dev hunspell-en-us
  fonts-liberation fonts-crosextra-carlito fonts-wine fonts-dejavu-core fonts-noto-cjk fonts-noto-core
  libreoffice-writer-nogui poppler-utils
  libreoffice-dev libpoppler-qt6-dev antiword catdoc wv file
  libzip-dev libfontconfig-dev pandoc
  xvfb xauth x11-utils imagemagick xdotool python3
  librsvg2-bin dpkg-dev file desktop-file-utils appstream lintian
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Line tables (-g1) keep backtraces and gdb's line numbers while compiling a
# quarter faster than full debug information; a later option overrides it.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
  -DPARVOLIN_WERROR="${PARVOLIN_WERROR:-OFF}" "$@"
cmake --build "$build" -j"$(nproc)" ${PARVOLIN_TARGETS:+--target $PARVOLIN_TARGETS}
