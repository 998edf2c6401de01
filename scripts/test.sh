#!/usr/bin/env bash
# Builds everything and runs every test, the widget tests headless.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/install-packages.sh "${TEST_PACKAGES[@]}"
jobs=$(nproc)

cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build/debug -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/debug --output-on-failure -j "$jobs"
