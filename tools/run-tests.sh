#!/bin/sh
# Builds both builds and runs every test: the native core under ASan/UBSan with
# a short fuzz run, then the Windows programs under Wine on a private Xvfb.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

tools/install-deps.sh

cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/native -j "$jobs"
ctest --test-dir build/native --output-on-failure

cmake -S . -B build/win32 -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build/win32 -j "$jobs"
tools/with-xvfb.sh ctest --test-dir build/win32 --output-on-failure -j "$jobs"
