#!/usr/bin/env bash
# wine-session.sh <command...>: runs the command with a booted Wine prefix set to Windows XP
# and one persistent wineserver, then stops the server and removes the prefix.
#   ZAV_WINE_ARCH  win32 (default): a 32-bit prefix for the 32-bit program;
#                  win64: a 64-bit prefix, run by the 64-bit loader, for the win64 build
#   WINEPREFIX     use this prefix instead of a throwaway one (it is kept afterwards)
#   WINE_WINVER    the Windows version the prefix reports (default winxp)
# The server and wineboot start with every standard handle on /dev/null: services they spawn
# inherit stderr, and a reader of that stderr through a pipe (ctest) would otherwise wait for
# them to exit.
set -u
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
winver=${WINE_WINVER:-winxp}
case ${ZAV_WINE_ARCH:-win32} in
  win32)
    export WINEARCH=win32
    loader=wine
    ;;
  win64)
    # `wine` would pick the 32-bit loader whenever it is installed, even where it cannot start;
    # WINELOADER makes every program the session starts (tools/wine-run.sh, child processes)
    # use the 64-bit one.
    export WINEARCH=win64
    export WINELOADER=/usr/lib/wine/wine64
    loader=$WINELOADER
    ;;
  *)
    echo "wine-session: ZAV_WINE_ARCH must be win32 or win64, not ${ZAV_WINE_ARCH}" >&2
    exit 2
    ;;
esac
own=0
if [ -z "${WINEPREFIX:-}" ]; then
  WINEPREFIX=$(mktemp -d /tmp/zav-wine.XXXXXX)
  export WINEPREFIX
  own=1
fi
cleanup() {
  wineserver -k </dev/null >/dev/null 2>&1
  if [ $own = 1 ]; then rm -rf "$WINEPREFIX"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

wineserver -p </dev/null >/dev/null 2>&1
if ! "$loader" wineboot -i </dev/null >/dev/null 2>&1; then
  echo "wine-session: could not boot a prefix in $WINEPREFIX" >&2
  exit 1
fi
# A 64-bit prefix's winecfg refuses winxp (it knows only the 64-bit XP, winxp64), and says
# nothing; the registry's version setting, which winecfg writes, works there.
if [ "$loader" = wine ]; then
  set_version() { winecfg -v "$winver"; }
else
  set_version() { "$loader" reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d "$winver" /f; }
fi
if ! set_version </dev/null >/dev/null 2>&1; then
  echo "wine-session: could not set the Windows version $winver" >&2
  exit 1
fi
"$@"
