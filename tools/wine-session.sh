#!/usr/bin/env bash
# wine-session.sh <command...>: runs the command with a booted 32-bit Wine prefix set to
# Windows XP and one persistent wineserver, then stops the server and removes the prefix.
#   WINEPREFIX     use this prefix instead of a throwaway one (it is kept afterwards)
#   WINE_WINVER    the Windows version the prefix reports (default winxp)
# The server and wineboot start with every standard handle on /dev/null: services they spawn
# inherit stderr, and a reader of that stderr through a pipe (ctest) would otherwise wait for
# them to exit.
set -u
export WINEDEBUG=-all
export WINEARCH=win32
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
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
if ! wineboot -i </dev/null >/dev/null 2>&1; then
  echo "wine-session: could not boot a prefix in $WINEPREFIX" >&2
  exit 1
fi
if ! winecfg -v "${WINE_WINVER:-winxp}" </dev/null >/dev/null 2>&1; then
  echo "wine-session: could not set the Windows version ${WINE_WINVER:-winxp}" >&2
  exit 1
fi
"$@"
