#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# - the full build (with windows, offscreen) under the C locale, and its
#   window tests once more under the Spanish one (comma as decimal point);
# - a sanitizer build (AddressSanitizer and UBSan), windows included;
# - the fuzz targets, each for VARDO_FUZZ_SECONDS (30 unless told).
# VARDO_SKIP_SANITIZE=1 and VARDO_SKIP_FUZZ=1 leave those parts out; VARDO_JOBS
# sets the parallel jobs (all processors unless told).
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=${VARDO_JOBS:-$(nproc)}

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
LANG=C LC_ALL=C ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300
# A QApplication takes the number format of the environment; the other tests
# set the Spanish locale themselves where it matters.
LANG=es_ES.UTF-8 LC_ALL=es_ES.UTF-8 \
  ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300 -L qt

if [ "${VARDO_SKIP_SANITIZE:-0}" != "1" ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVARDO_WITH_QT=ON \
        -DVARDO_SANITIZE=ON -DVARDO_BENCH=OFF >/dev/null
  cmake --build build-asan -j "$jobs"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" --timeout 300
fi

if [ "${VARDO_SKIP_FUZZ:-0}" != "1" ]; then
  VARDO_JOBS=$jobs tests/fuzz/run.sh "${VARDO_FUZZ_SECONDS:-30}"
fi
