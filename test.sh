#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# the full build (with windows, offscreen) and a sanitizer build of the window-free tests.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300

if [ "${VARDO_SKIP_SANITIZE:-0}" != "1" ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARDO_WITH_QT=OFF \
        -DVARDO_SANITIZE=ON -DVARDO_BENCH=OFF >/dev/null
  cmake --build build-asan -j "$jobs"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" --timeout 300
fi
