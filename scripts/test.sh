#!/usr/bin/env bash
# Sets up, builds (warnings are errors) and runs every test. The build goes to build/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh test
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DLOGVANE_WERROR=ON -DLOGVANE_TESTS=ON \
    -DLOGVANE_BENCH=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
