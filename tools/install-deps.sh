#!/usr/bin/env bash
# Installs, as root on Debian, everything the build and the tests need: the native toolchain,
# GoogleTest and Google Benchmark, the report tool's libraries (CLI11, nlohmann/json), the fault
# injection, clock and terminal tools of the end-to-end tests (strace, faketime, util-linux,
# python3 for its pty module), Chromium for the report page's picture test, clang with
# libFuzzer for the report tool's fuzz target, and for the Windows program the mingw-w64 cross
# compilers with 32-bit and 64-bit Wine (the 64-bit build's suite runs where the kernel refuses
# 32-bit programs).
set -eu
export DEBIAN_FRONTEND=noninteractive
dpkg --add-architecture i386
apt-get update
apt-get install -y --no-install-recommends \
  build-essential cmake ninja-build googletest libgtest-dev libbenchmark-dev \
  binutils clang-format locales procps python3 \
  libcli11-dev nlohmann-json3-dev strace faketime util-linux chromium clang libclang-rt-14-dev \
  g++-mingw-w64-i686-posix wine wine32:i386 g++-mingw-w64-x86-64-posix wine64

# A German locale for the end-to-end check of the separators.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen
fi
