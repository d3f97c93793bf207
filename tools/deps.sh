#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Packages already present are skipped without touching the network.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libfast-float-dev libfmt-dev
  fonts-liberation2
  clang libclang-rt-14-dev libc++-dev libc++abi-dev googletest clang-format-14
  qt6-translations-l10n
  desktop-file-utils appstream dpkg-dev file binutils-mingw-w64-x86-64 lintian
)
case "${1:-}" in
  --screenshots) packages+=(xvfb xauth xdotool imagemagick x11-utils) ;;
  # The Windows program: mingw-w64 and GoogleTest's source to build it, NSIS for its installer,
  # Wine with its own fonts (the title bar's symbols) on a virtual display to test it, ImageMagick's
  # import for its screenshot.
  --windows)
    packages+=(g++-mingw-w64-x86-64-posix googletest nsis wine wine64 fonts-wine xvfb xauth imagemagick x11-utils)
    ;;
  # The web page: emscripten with Debian's node modules, and the three engines for its tests
  # (WebKitGTK through its WebDriver and MiniBrowser, which draws on an Xvfb).
  --web)
    packages+=(emscripten node-acorn nodejs chromium firefox-esr webkit2gtk-driver xvfb)
    # A machine whose node comes with its own npm needs no Debian one.
    command -v npm >/dev/null || packages+=(npm)
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
