# Cross-compiles for 64-bit ARM Linux with Debian's cross toolchain
# (crossbuild-essential-arm64) against the arm64 multiarch Qt packages.
# Qt's code generators (moc, rcc) stay the build machine's: the arm64 Qt
# configuration refers to /usr/lib/qt5/bin, which the native tools package owns.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

# Makes find_package() look in /usr/lib/aarch64-linux-gnu/cmake and never in
# the build machine's /usr/lib/x86_64-linux-gnu/cmake.
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

# ctest runs the test programs through user-mode emulation. No "-L
# /usr/aarch64-linux-gnu": that prefix would pair the cross package's dynamic
# loader with the multiarch libc (a different glibc build), and the first
# thread a program starts then hangs. The arm64 Qt packages bring libc6:arm64,
# whose own /lib/ld-linux-aarch64.so.1 matches it.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static)

set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
