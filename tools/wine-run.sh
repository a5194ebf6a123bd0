#!/usr/bin/env bash
# Runs one Windows program under Wine, quietly: no debug channels, no crash dialog or dump, no
# Mono or Gecko installer. The prefix and the server come from the caller (tools/wine-session.sh),
# so that every program of a test run shares one wineserver and sees the same file locks.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winedbg.exe=d}
exec wine "$@"
