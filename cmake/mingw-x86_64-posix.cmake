# Cross build of the Windows console program as a 64-bit (x86-64) program with Debian's
# mingw-w64 (posix threads). The program we ship is the 32-bit one; this build exists so that
# the Windows platform layer and everything above it can be tested under 64-bit Wine where the
# kernel refuses 32-bit programs. float and double are SSE2 arithmetic on x86-64 anyway;
# long double stays the x87 80-bit format. The runtime is linked statically, as in the 32-bit
# build. The win64 preset runs the programs built here through Wine (tools/wine-run.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
