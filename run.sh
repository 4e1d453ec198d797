#!/usr/bin/env bash
# Installs what is missing, builds, stages the program folder and starts the program.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
./deps/install.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
exec ./build/stage/V101/TORVA_6Y "$@"
