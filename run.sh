#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
if [ -x build/app/vardo ]; then
  exec build/app/vardo "$@"
else
  echo "El programa aún no está disponible en esta versión."
fi
