#!/usr/bin/env bash
# test-win32.sh: builds the 32-bit Windows program with the mingw-w64 toolchain (the win32
# preset, in build-win32) and runs its whole test suite, end-to-end scripts and the full-size run included, under Wine in
# a throwaway prefix set to Windows XP.
# Skips, saying so, when the cross compiler or Wine is missing; in CI (CI=true) that fails.
# CTEST_ARGS passes further options to ctest, for example CTEST_ARGS="-R Win32 -E full_size".
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
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

cd "$root"
# GoogleTest for the cross build, from Debian's sources with the same toolchain, once.
gtest=$root/build-win32-gtest
if [ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
  cmake -S /usr/src/googletest -B "$gtest/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686-posix.cmake" -DBUILD_GMOCK=OFF \
    -Dgtest_force_shared_crt=OFF -DCMAKE_INSTALL_PREFIX="$gtest/install"
  cmake --build "$gtest/build" -j "$jobs" --target install
fi

cmake --preset win32
cmake --build --preset win32 -j "$jobs"

# 32-bit Wine needs a kernel that runs 32-bit programs; some virtual machines' kernels refuse
# them ("Exec format error"). Where Wine's own 32-bit loader cannot start, no Windows program
# can either: only the checks that read the built files run, and the rest is reported skipped.
if ! wine --version >/dev/null 2>&1; then
  objdump=i686-w64-mingw32-objdump
  bash "$root/tools/check-codegen.sh" build-win32/libzav_workloads.a $objdump \
    build-win32/zaveredo2.exe i686-w64-mingw32-nm
  (cd build-win32 && ZAV_PLATFORM=win32 bash "$root/tests/e2e/win32/executable_header.sh" \
    "$PWD/zaveredo2.exe" "$PWD/tests/zaveredo2_small.exe" "$root/tools/wine-run.sh")
  echo "test-win32: the Windows build and its file checks passed; the suite under Wine SKIPPED:" \
    "this machine's kernel does not run 32-bit programs"
  exit 0
fi

# LC_ALL=C gives Wine the English (United States) locale: code pages 1252 and 437.
export LC_ALL=C
# A test that hangs under Wine (a fault jumping nowhere, a pipe held open) fails after the
# preset's timeout instead of holding up CI; the full-size run needs well under it.
# shellcheck disable=SC2086
bash "$root/tools/wine-session.sh" ctest --preset win32 -j "$jobs" ${CTEST_ARGS:-}
