#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# - one build with AddressSanitizer and UBSan (build-asan: windows, the
#   benchmarks compiled but not run), every test under the C locale and the
#   window tests once more under the Spanish one (comma as decimal point);
#   the report's test in headless Chromium runs with them;
# - the fuzz targets, each for VARDO_FUZZ_SECONDS (30 unless told).
# VARDO_SKIP_SANITIZE=1 builds and tests without the sanitizers (in build/,
# the build ./run.sh uses); VARDO_SKIP_FUZZ=1 leaves the fuzz targets out;
# VARDO_JOBS sets the parallel jobs (all processors unless told).
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=${VARDO_JOBS:-$(nproc)}

if [ "${VARDO_SKIP_SANITIZE:-0}" != "1" ]; then
  build=build-asan
  # Line tables only: the sanitizers' reports keep file and line, the
  # objects and the links stay small.
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
        -DCMAKE_C_FLAGS_DEBUG=-g1 -DVARDO_WITH_QT=ON -DVARDO_SANITIZE=ON -DVARDO_BENCH=ON >/dev/null
  export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
else
  build=build
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j "$jobs"
LANG=C LC_ALL=C ctest --test-dir "$build" --output-on-failure -j "$jobs" --timeout 300
# A QApplication takes the number format of the environment; the other tests
# set the Spanish locale themselves where it matters.
LANG=es_ES.UTF-8 LC_ALL=es_ES.UTF-8 \
  ctest --test-dir "$build" --output-on-failure -j "$jobs" --timeout 300 -L qt

if [ "${VARDO_SKIP_FUZZ:-0}" != "1" ]; then
  VARDO_JOBS=$jobs tests/fuzz/run.sh "${VARDO_FUZZ_SECONDS:-30}"
fi
