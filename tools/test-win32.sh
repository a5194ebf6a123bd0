#!/usr/bin/env bash
# test-win32.sh [build-dir]: builds the 32-bit Windows program with the mingw-w64 toolchain and
# runs its whole test suite, end-to-end scripts and the full-size run included, under Wine in
# a throwaway prefix set to Windows XP.
# Skips, saying so, when the cross compiler or Wine is missing; in CI (CI=true) that fails.
# CTEST_ARGS passes further options to ctest, for example CTEST_ARGS="-R Win32 -E full_size".
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-win32}
case $build in /*) ;; *) build=$root/$build ;; esac
jobs=${JOBS:-2}
[ "$jobs" -gt 2 ] && jobs=2 # the machines this runs on have two cores

missing=""
for tool in i686-w64-mingw32-g++-posix wine wineserver wineboot winecfg; do
  command -v $tool >/dev/null || missing="$missing $tool"
done
if [ -n "$missing" ]; then
  if [ "${CI:-}" = true ]; then
    echo "test-win32: FAILED: missing in CI:$missing" >&2
    exit 1
  fi
  echo "test-win32: SKIPPED: missing$missing (tools/install-deps.sh installs them)"
  exit 0
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686-posix.cmake"
cmake --build "$build" -j "$jobs"

# LC_ALL=C gives Wine the English (United States) locale: code pages 1252 and 437.
export LC_ALL=C
cd "$build"
# A test that hangs under Wine (a fault jumping nowhere, a pipe held open) fails after the
# timeout instead of holding up CI; the full-size run needs well under it.
# shellcheck disable=SC2086
bash "$root/tools/wine-session.sh" ctest --output-on-failure -j "$jobs" --timeout 900 ${CTEST_ARGS:-}
