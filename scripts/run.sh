#!/usr/bin/env bash
# Sets up, builds and starts logvane, with the sample log beside it so that the file picker has
# something to list. The program and the sample end up in build/bin/. Only what building and
# running need is installed.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DLOGVANE_TESTS=OFF -DLOGVANE_BENCH=OFF
cmake --build build -j"$(nproc)" --target logvane
cp samples/*.edi build/bin/
exec build/bin/logvane
