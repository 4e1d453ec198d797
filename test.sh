#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer, runs every test.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
./deps/install.sh
jobs="$(nproc)"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTORVA_SANITIZE=ON -DTORVA_WERROR=ON
cmake --build build-test -j "$jobs"
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs" "$@"
