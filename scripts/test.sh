#!/usr/bin/env bash
# Builds everything and runs every test, the widget tests headless: first in a debug
# build, then again in a build with AddressSanitizer and UndefinedBehaviorSanitizer,
# where any sanitizer report fails the test. Then a short run of each fuzz target, and
# last the Debian package, checked by lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/install-packages.sh "${TEST_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}" "${ATSPI_PACKAGES[@]}"
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Debug build"
cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build/debug -j "$jobs"
ctest --test-dir build/debug --output-on-failure -j "$jobs"

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
source scripts/sanitizer-env.sh
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTORVENN_SANITIZE=address,undefined
cmake --build build/asan -j "$jobs"
ctest --test-dir build/asan --output-on-failure -j "$jobs"

echo "== Fuzzing"
bash scripts/fuzz.sh 30

echo "== Debian package and lintian"
bash scripts/package.sh
