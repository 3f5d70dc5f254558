#!/usr/bin/env bash
# Configures and builds the program, its tests and benchmarks in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build -j2
