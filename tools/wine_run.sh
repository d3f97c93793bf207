#!/usr/bin/env bash
# Runs a Windows program under Wine, in a throwaway prefix of the build tree's own (the folder
# holding CMakeCache.txt; WINEPREFIX overrides), without Wine's debug output, on the build tree's
# virtual display where one runs. The first run creates the prefix, under a lock so that runs
# started together wait for it, and without the Mono and Gecko installers, which would ask for a
# download.
#   tools/wine_run.sh PROGRAM.exe [ARGUMENTS...]
#   tools/wine_run.sh --init BUILD-DIR        only creates the prefix
set -euo pipefail
program=$1
shift
init_only=false
if [ "$program" = --init ]; then
  init_only=true
  program=$1/CMakeCache.txt
fi
if [ -z "${WINEPREFIX:-}" ]; then
  dir=$(cd "$(dirname "$program")" && pwd)
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ "$dir" != / ] || dir=$(cd "$(dirname "$program")" && pwd)
  export WINEPREFIX=$dir/wineprefix
fi
# The build tree's virtual display, while its tests run (tools/wine_display.sh).
[ -f "$WINEPREFIX/../xvfb.display" ] && DISPLAY=$(cat "$WINEPREFIX/../xvfb.display") && export DISPLAY
# Wine takes the Windows locale and the encoding of file names from the Unix locale: a UTF-8 one
# is needed for names such as «Трапец.lnk», whatever the caller's environment holds (a minimal
# system names none). C.UTF-8 is always there and is en-US to Windows; WINE_LOCALE names another.
export LC_ALL=${WINE_LOCALE:-C.UTF-8}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

if [ ! -f "$WINEPREFIX/.ready" ]; then
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.ready" ]; then
      wineboot --init >/dev/null 2>&1
      # The window's font; Debian has its metric twin, which Wine does not put in its place itself.
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f \
        >/dev/null 2>&1
      # Wine draws the title bar itself and manages the windows itself, as Windows does: no
      # window manager runs on the virtual display, and Wine would wait for one on every hide.
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
      # Debian's Wine does not find its own fonts (the title bar's symbols, Tahoma) where the
      # fonts-wine package puts them; a prefix finds them in its Fonts folder.
      cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
      touch "$WINEPREFIX/.ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
$init_only && exit 0
exec wine "$program" "$@"
