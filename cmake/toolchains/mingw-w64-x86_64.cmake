# 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix), for the
# parts that need no Qt:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
#         -DPAIRFALL_ENGINE_ONLY=ON -DPAIRFALL_GTEST_SOURCE=/usr/src/googletest
# scripts/test-windows does this and runs the tests under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PAIRFALL_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PAIRFALL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PAIRFALL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${PAIRFALL_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PAIRFALL_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes and winpthreads linked in: the .exe files need no
# DLL beside them, on Windows or under Wine.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# CTest runs the .exe files through Wine.  With --no-install-recommends
# Debian's loader is /usr/lib/wine/wine64, which is not on PATH.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(PAIRFALL_WINE NAMES wine64 wine PATHS /usr/lib/wine)
  if(PAIRFALL_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PAIRFALL_WINE})
  endif()
endif()
