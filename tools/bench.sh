#!/bin/sh
# Builds and runs the start-up and extraction benchmark under Wine.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build/win32 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null
cmake --build build/win32 -j "$(nproc 2>/dev/null || echo 2)" --target setup_benchmark Setup
SETUP_WINE_ROOT="$PWD/build/win32/wine" tools/with-xvfb.sh \
    tools/wine-run.sh build/win32/tests/bench/setup_benchmark.exe "Z:$(pwd | tr / '\\')\\build\\win32\\Setup.exe"
