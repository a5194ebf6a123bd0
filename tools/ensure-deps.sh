#!/usr/bin/env bash
# Runs tools/install-deps.sh when anything it installs is missing, with sudo when not root, so
# that `make run` and `make test` work on a fresh Debian machine as they are.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

missing=""
for tool in cmake ninja g++ clang clang-format strace faketime chrt i686-w64-mingw32-g++-posix \
  x86_64-w64-mingw32-g++-posix wine chromium; do
  command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
for file in /usr/include/gtest/gtest.h /usr/src/googletest/CMakeLists.txt \
  /usr/include/benchmark/benchmark.h /usr/include/CLI/CLI.hpp /usr/include/nlohmann/json.hpp \
  /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a /usr/lib/wine/wine64; do
  [ -e "$file" ] || missing="$missing $file"
done
locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || missing="$missing de_DE.UTF-8"
[ -z "$missing" ] && exit 0

echo "ensure-deps: missing:$missing; installing with tools/install-deps.sh"
if [ "$(id -u)" = 0 ]; then
  bash "$root/tools/install-deps.sh"
else
  sudo bash "$root/tools/install-deps.sh"
fi
