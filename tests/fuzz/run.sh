#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UBSan) in
# build-fuzz and runs each for the given number of seconds, 60 unless told:
#   tests/fuzz/run.sh [seconds]
# Seeds: the sample documents of examples/ and a few formulas. Each target's
# corpus grows in build-fuzz/corpus/; an input that fails is kept in
# build-fuzz/fallos/, the other targets still run and the script ends with an
# error.
set -euo pipefail
cd "$(dirname "$0")/../.."
segundos=${1:-60}
jobs=${VARDO_JOBS:-4}
build=build-fuzz

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DVARDO_WITH_QT=OFF -DVARDO_FUZZ=ON -DVARDO_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target fuzz_documento fuzz_evaluador

mkdir -p "$build/fallos"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

fallidos=()
fuzz() {
  local objetivo=$1 semillas=$2
  shift 2
  local corpus="$build/corpus/$objetivo"
  mkdir -p "$corpus"
  echo "== fuzz_$objetivo: $segundos s"
  "$build/tests/fuzz/fuzz_$objetivo" -max_total_time="$segundos" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/fallos/$objetivo-" "$@" "$corpus" "$semillas" ||
    fallidos+=("$objetivo")
}

semillasDoc=$(mktemp -d)
trap 'rm -rf "$semillasDoc"' EXIT
cp examples/*.vdo "$semillasDoc/"
fuzz documento "$semillasDoc"
fuzz evaluador tests/fuzz/semillas/evaluador -dict=tests/fuzz/evaluador.dict
if [ ${#fallidos[@]} -gt 0 ]; then
  echo "fuzz: failed: ${fallidos[*]} (inputs in $build/fallos/)" >&2
  exit 1
fi
echo "fuzz: clean"
