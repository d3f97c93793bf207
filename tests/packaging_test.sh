#!/usr/bin/env bash
# Installs the built program into a staging folder, validates its desktop entry and metainfo,
# then builds the Debian package and checks what it depends on.
#   packaging_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

cmake --install "$build" --prefix "$stage/usr" >/dev/null
for f in bin/trapezoid share/applications/org.example.trapezoid.desktop \
         share/metainfo/org.example.trapezoid.metainfo.xml \
         share/icons/hicolor/scalable/apps/org.example.trapezoid.svg; do
  [ -e "$stage/usr/$f" ] || { echo "missing after install: $f"; exit 1; }
done
for size in 16 32 48 64 128 256; do
  png="$stage/usr/share/icons/hicolor/${size}x${size}/apps/org.example.trapezoid.png"
  file "$png" | grep -q "PNG image data, $size x $size" || { echo "bad icon: $png"; exit 1; }
done
desktop-file-validate "$stage/usr/share/applications/org.example.trapezoid.desktop"
appstreamcli validate --no-net --pedantic "$stage/usr/share/metainfo/org.example.trapezoid.metainfo.xml"

(cd "$stage" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$stage/deb" >/dev/null)
deb=$(ls "$stage"/deb/trapezoid_1.00_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 fonts-liberation2; do
  grep -q "$needed" <<<"$depends" || { echo "the package does not depend on $needed"; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Version)" = "1.00" ] || { echo "wrong package version"; exit 1; }
dpkg-deb -c "$deb" > "$stage/contents"
grep -q './usr/bin/trapezoid' "$stage/contents" || { echo "no executable in the package"; exit 1; }
echo "packaging ok"
