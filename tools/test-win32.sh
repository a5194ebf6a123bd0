#!/usr/bin/env bash
# test-win32.sh: builds the 32-bit Windows program with the mingw-w64 toolchain (the win32
# preset, in build-win32) and runs a Windows test suite under Wine, in a throwaway prefix set
# to Windows XP: the end-to-end scripts and the full-size run included.
#
# Which suite runs (ZAV_WINE_ARCH):
#   unset   the 32-bit build's suite where 32-bit Wine can start; where the kernel refuses
#           32-bit programs ("Exec format error"), the win64 suite below instead
#   win32   the 32-bit build's suite; fails where 32-bit programs cannot start
#   win64   the same tree built as a 64-bit program (the win64 preset, in build-win64) and its
#           suite under 64-bit Wine
# When the 32-bit suite does not run, the 32-bit build's own file checks still do: the code
# check of the measured loops and the .exe header.
# Skips, saying so, when a cross compiler or Wine is missing; in CI (CI=true) that fails, as
# a run without any Windows suite is no pass there.
# CTEST_ARGS passes further options to ctest, for example CTEST_ARGS="-R platform -E full_size".
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-2}
[ "$jobs" -gt 2 ] && jobs=2 # the machines this runs on have two cores
wine64=/usr/lib/wine/wine64

# 32-bit Wine needs a kernel that runs 32-bit programs; some virtual machines' kernels refuse
# them. `wine` runs the 32-bit loader whenever it is installed.
can_run_32bit() { wine --version >/dev/null 2>&1; }

arch=${ZAV_WINE_ARCH:-}
case $arch in
  "") if command -v wine >/dev/null && can_run_32bit; then arch=win32; else arch=win64; fi ;;
  win32 | win64) ;;
  *)
    echo "test-win32: ZAV_WINE_ARCH must be win32, win64 or unset, not $arch" >&2
    exit 2
    ;;
esac

missing=""
tools="i686-w64-mingw32-g++-posix wineserver wine"
[ $arch = win32 ] || tools="i686-w64-mingw32-g++-posix x86_64-w64-mingw32-g++-posix wineserver"
for tool in $tools; do
  command -v $tool >/dev/null || missing="$missing $tool"
done
[ $arch = win32 ] || [ -x $wine64 ] || missing="$missing $wine64"
if [ -n "$missing" ]; then
  if [ "${CI:-}" = true ]; then
    echo "test-win32: FAILED: missing in CI:$missing" >&2
    exit 1
  fi
  echo "test-win32: SKIPPED: missing$missing (tools/install-deps.sh installs them)"
  exit 0
fi
if [ $arch = win32 ] && ! can_run_32bit; then
  echo "test-win32: FAILED: ZAV_WINE_ARCH=win32, but 32-bit Wine cannot start here" \
    "(this kernel refuses 32-bit programs); ZAV_WINE_ARCH=win64 runs the 64-bit suite" >&2
  exit 1
fi

cd "$root"
# build_with <preset> <toolchain file>: GoogleTest for the cross build, from Debian's sources
# with the same toolchain, once; then the preset's whole tree.
build_with() {
  local gtest=$root/build-$1-gtest
  if [ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
    cmake -S /usr/src/googletest -B "$gtest/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$2" -DBUILD_GMOCK=OFF \
      -Dgtest_force_shared_crt=OFF -DCMAKE_INSTALL_PREFIX="$gtest/install"
    cmake --build "$gtest/build" -j "$jobs" --target install
  fi
  cmake --preset "$1"
  cmake --build --preset "$1" -j "$jobs"
}

build_with win32 mingw-i686-posix.cmake
if [ $arch = win64 ]; then
  bash "$root/tools/check-codegen.sh" build-win32/libzav_workloads.a i686-w64-mingw32-objdump \
    build-win32/zaveredo2.exe i686-w64-mingw32-nm
  (cd build-win32 && ZAV_PLATFORM=win32 bash "$root/tests/e2e/win32/executable_header.sh" \
    "$PWD/zaveredo2.exe" "$PWD/tests/zaveredo2_small.exe" "$root/tools/wine-run.sh")
  echo "test-win32: the 32-bit build and its file checks passed; now the win64 suite"
  build_with win64 mingw-x86_64-posix.cmake
fi

# LC_ALL=C gives Wine the English (United States) locale: code pages 1252 and 437.
export LC_ALL=C
export ZAV_WINE_ARCH=$arch
echo "test-win32: running the $arch suite under Wine"
# A test that hangs under Wine (a fault jumping nowhere, a pipe held open) fails after the
# preset's timeout instead of holding up CI; the full-size run needs well under it.
# shellcheck disable=SC2086
bash "$root/tools/wine-session.sh" ctest --preset $arch -j "$jobs" ${CTEST_ARGS:-}
