# Cross-building for 64-bit Windows on Debian with its MinGW-w64 GCC 12, posix threads (std::thread
# and friends need them). The one MinGW toolchain file: tools/windows-toolkit builds Qt for Windows
# with it and puts a copy beside the toolkit's qt.toolchain.cmake, which loads it; the project is
# configured with
#   -DCMAKE_TOOLCHAIN_FILE=<toolkit>/lib/cmake/Qt6/qt.toolchain.cmake
#   -DQT_CHAINLOAD_TOOLCHAIN_FILE=<this file>
# (tools/test-windows does).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Libraries, headers and packages come from the MinGW sysroot (and the toolkit, which Qt's
# toolchain file adds), never from the Linux system; programs (moc, rcc, uic, wine) come from the
# Linux system.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
