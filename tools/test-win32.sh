#!/usr/bin/env bash
# test-win32.sh [build-dir]: builds the 32-bit Windows program with the mingw-w64 toolchain and
# runs its whole test suite under Wine, in a throwaway prefix set to Windows XP.
# With CI=true, or ZAV_FULL_RUN=1, one complete benchmark run follows (tools/win32-full-run.sh).
# Skips, saying so, when the cross compiler or Wine is missing; in CI that is a failure.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-win32}
case $build in /*) ;; *) build=$root/$build ;; esac
jobs=${JOBS:-2}
[ "$jobs" -gt 2 ] && jobs=2   # two cores, shared

missing=""
for tool in i686-w64-mingw32-g++-posix wine wineserver wineboot winecfg; do
  command -v $tool >/dev/null || missing="$missing $tool"
done
if [ -n "$missing" ]; then
  if [ "${CI:-}" = true ]; then
    echo "test-win32: FAILED: missing in CI:$missing" >&2
    exit 1
  fi
  echo "test-win32: SKIPPED: missing$missing (install g++-mingw-w64-i686-posix, wine and wine32:i386)"
  exit 0
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686-posix.cmake"
cmake --build "$build" -j "$jobs"

full=0
if [ "${CI:-}" = true ] || [ "${ZAV_FULL_RUN:-0}" = 1 ]; then full=1; fi
# LC_ALL=C gives the prefix the English (United States) locale and code page 1252.
export LC_ALL=C
suite() {
  (cd "$build" && ctest --output-on-failure -j "$jobs" "$@") || return 1
  if [ $full = 1 ]; then
    bash "$root/tools/win32-full-run.sh" "$build/zaveredo2.exe" || return 1
  else
    echo "test-win32: the complete benchmark run is left out (set ZAV_FULL_RUN=1 to include it)"
  fi
}
export -f suite
export build jobs full root
bash "$root/tools/wine-session.sh" bash -c 'suite "$@"' suite ${CTEST_ARGS:-}
