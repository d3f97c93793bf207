#!/usr/bin/env bash
# Installs the built program into a staging folder, validates its desktop entry and metainfo,
# then builds the Debian package, checks what it depends on and has lintian check the rest.
#   packaging_test.sh BUILD_DIR APP_ID
set -euo pipefail
build=$(cd "$1" && pwd)
id=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

cmake --install "$build" --prefix "$stage/usr" >/dev/null
for f in bin/trapezoid bin/trapezoid-solve share/man/bg/man1/trapezoid-solve.1.gz share/applications/$id.desktop \
         share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg; do
  [ -e "$stage/usr/$f" ] || { echo "missing after install: $f"; exit 1; }
done
for size in 16 32 48 64 128 256; do
  png="$stage/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  file "$png" | grep -q "PNG image data, $size x $size" || { echo "bad icon: $png"; exit 1; }
done
desktop-file-validate "$stage/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$stage/usr/share/metainfo/$id.metainfo.xml"

(cd "$stage" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$stage/deb" >/dev/null)
deb=$(ls "$stage"/deb/trapezoid_1.00_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 fonts-liberation2 qt6-translations-l10n; do
  grep -q "$needed" <<<"$depends" || { echo "the package does not depend on $needed"; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Version)" = "1.00" ] || { echo "wrong package version"; exit 1; }
dpkg-deb -c "$deb" > "$stage/contents"
grep -q './usr/bin/trapezoid$' "$stage/contents" || { echo "no executable in the package"; exit 1; }
grep -q './usr/bin/trapezoid-solve$' "$stage/contents" || { echo "no trapezoid-solve in the package"; exit 1; }
# Debian's own checks (copyright, changelog, manual page, stripped binary, permissions...): no
# error and no warning.
command -v lintian >/dev/null || { echo "lintian is missing: run tools/deps.sh"; exit 1; }
if ! report=$(lintian --fail-on error,warning "$deb" 2>&1) || grep -qE '^[EW]: ' <<<"$report"; then
  echo "$report"
  echo "lintian finds fault with the package"
  exit 1
fi
# The Windows version record compiles, with the icon and version 1.00 in block 040904B0.
if command -v x86_64-w64-mingw32-windres >/dev/null; then
  src=$(cd "$(dirname "$0")/.." && pwd)
  sed -e "s|@ICON_PATH@|$src/form/images/hamburger.ico|" \
      -e "s|@MANIFEST_PATH@|$src/packaging/windows/trapezoid.manifest|" -e 's/@PROJECT_VERSION_MAJOR@/1/' \
      -e 's/@PROJECT_VERSION_MINOR@/00/' -e 's/@PROJECT_VERSION@/1.00/' \
      "$src/packaging/windows/trapezoid.rc.in" > "$stage/trapezoid.rc"
  x86_64-w64-mingw32-windres --preprocessor=cpp -O res -i "$stage/trapezoid.rc" -o "$stage/trapezoid.res"
  strings -el "$stage/trapezoid.res" > "$stage/res.txt"
  for s in 040904B0 FileVersion ProductVersion 1.00; do
    grep -q "$s" "$stage/res.txt" || { echo "the version record lacks $s"; exit 1; }
  done
fi
echo "packaging ok"
