#!/usr/bin/env bash
# Installs what is missing, builds the program alone (not the tests nor the
# benchmarks) and starts it. The program starts in the folder the user stands
# in, so a relative path on the command line names the file the user means.
set -euo pipefail
raiz="$(cd "$(dirname "$0")" && pwd)"
(
  cd "$raiz"
  ./deps.sh
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build --target vardo
)
if [ -x "$raiz/build/app/vardo" ]; then
  exec "$raiz/build/app/vardo" "$@"
else
  echo "El programa aún no está disponible en esta versión."
fi
