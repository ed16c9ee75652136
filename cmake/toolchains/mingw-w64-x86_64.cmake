# 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix).  The
# whole program, against the static Qt for Windows that scripts/build-qt-windows
# makes (the host's moc, rcc and uic serve the build):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
#         -DPAIRFALL_QT_WINDOWS="$(scripts/build-qt-windows | tail -1)" \
#         -DPAIRFALL_GTEST_SOURCE=/usr/src/googletest
# or, without Qt, the engine and the Windows calls alone: -DPAIRFALL_ENGINE_ONLY=ON.
# scripts/test-windows builds both and runs their tests under Wine; Qt itself
# uses this file to build (scripts/build-qt-windows).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PAIRFALL_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PAIRFALL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PAIRFALL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${PAIRFALL_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PAIRFALL_MINGW})
# Qt for Windows lives outside the MinGW root; its build tools are the host's.
if(PAIRFALL_QT_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${PAIRFALL_QT_WINDOWS})
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES PAIRFALL_QT_WINDOWS)
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
