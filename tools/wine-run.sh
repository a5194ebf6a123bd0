#!/usr/bin/env bash
# Runs one Windows program under Wine, quietly: no debug channels, no crash dialog or dump, no
# Mono or Gecko installer. The prefix, the server and the loader come from the caller
# (tools/wine-session.sh), so that every program of a test run shares one wineserver and sees
# the same file locks. WINELOADER names the 64-bit loader in a 64-bit session; `wine` itself
# prefers the 32-bit one whenever it is installed.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winedbg.exe=d}
exec "${WINELOADER:-wine}" "$@"
