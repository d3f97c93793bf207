#!/usr/bin/env bash
# The Windows program as it is handed out: a 64-bit exe under 2 MB that imports only Windows' own
# DLLs, with its version record, icon and manifest; and its installer, which under Wine installs
# for the user alone, makes the Start-menu shortcuts (the second opens the window for a problem as
# the book gives it) and the uninstall entry, and uninstalls again.
#   win32_packaging_test.sh BUILD-DIR
set -euo pipefail
build=$1
exe=$build/trapezoid.exe
setup=$(ls "$build"/trapezoid-*-setup.exe)
wine_run() { bash "$(dirname "$0")/../tools/wine_run.sh" "$@"; }
fail() { echo "FAIL: $*" >&2; exit 1; }

headers=$(x86_64-w64-mingw32-objdump -p "$exe")
grep -q 'file format pei-x86-64' <<<"$headers" || fail "not a 64-bit Windows program"
system='^(KERNEL32|USER32|GDI32|COMCTL32|ole32|OLEAUT32|SHLWAPI|msvcrt)\.dll$'
dlls=$(sed -n 's/^\tDLL Name: //p' <<<"$headers")
others=$(grep -viE "$system" <<<"$dlls" || true)
[ -z "$others" ] || fail "imports DLLs that Windows does not have: $others"
size=$(stat -c %s "$exe")
[ "$size" -lt $((2 * 1024 * 1024)) ] || fail "$size bytes"

resources=$(x86_64-w64-mingw32-windres -i "$exe" -O rc 2>/dev/null)
for want in 'BLOCK "040904B0"' 'VALUE "FileVersion", "1.00"' 'VALUE "ProductVersion", "1.00"' \
  'VALUE "ProductName", "Trapezoid"' 'VALUE "CompanyName"' 'VALUE "FileDescription"' 'ICON'; do
  grep -qF "$want" <<<"$resources" || fail "no $want in the resources"
done
for want in PerMonitorV2 Microsoft.Windows.Common-Controls '>UTF-8<' asInvoker; do
  grep -qaF "$want" "$exe" || fail "no $want in the manifest"
done
grep -qaF asInvoker "$setup" || fail "the installer asks for administrator rights"

wine_run "$setup" /S
prefix=$build/wineprefix/drive_c/users
installed=$(find "$prefix" -path '*/AppData/Local/Programs/Trapezoid/trapezoid.exe' | head -1)
[ -n "$installed" ] || fail "not installed in the user's programs folder"
cmp -s "$installed" "$exe" || fail "installed a different program"
[ -n "$(find "$prefix" -path '*/Start Menu/Programs/Трапец.lnk')" ] || fail "no Start-menu shortcut"
elements=$(find "$prefix" -path '*/Start Menu/Programs/Трапец — задача по дадени елементи.lnk' | head -1)
[ -n "$elements" ] || fail "no Start-menu shortcut to the problem window"
# A shortcut keeps its arguments in UTF-16.
tr -d '\0' <"$elements" | grep -qaF -- --elements || fail "the problem window's shortcut runs no --elements"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Trapezoid'
wine_run reg query "$key" /v DisplayVersion | grep -q '1.00' || fail "no uninstall entry"

folder=$(dirname "$installed")
# _?= runs the uninstaller where it is and waits for it.
wine_run "$folder/uninstall.exe" /S "_?=$(sed 's|.*/drive_c/|C:\\|; s|/|\\|g' <<<"$folder")"
[ ! -e "$installed" ] || fail "the uninstaller left the program"
[ -z "$(find "$prefix" -name 'Трапец*.lnk')" ] || fail "the uninstaller left a shortcut"
if wine_run reg query "$key" >/dev/null 2>&1; then fail "the uninstaller left its entry"; fi
echo "trapezoid.exe: $size bytes, imports $(tr '\n' ' ' <<<"$dlls"); the installer installs and uninstalls"
