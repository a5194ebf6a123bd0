#!/usr/bin/env bash
# Installs, as root on Debian, everything the build and the tests need: the native toolchain,
# GoogleTest and Google Benchmark, and for the Windows program the mingw-w64 cross compiler and
# 32-bit Wine.
set -eu
export DEBIAN_FRONTEND=noninteractive
dpkg --add-architecture i386
apt-get update
apt-get install -y --no-install-recommends \
  build-essential cmake ninja-build googletest libgtest-dev libbenchmark-dev \
  binutils clang-format locales procps \
  g++-mingw-w64-i686-posix wine wine32:i386
