#!/usr/bin/env bash
# Builds everything and runs every test, the widget tests headless: first in a debug
# build, then again in a build with AddressSanitizer and UndefinedBehaviorSanitizer,
# where any sanitizer report fails the test. Then a short run of each fuzz target, and
# last the Debian package, checked by lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh test
source scripts/jobs.sh

echo "== Debug build"
cmake --preset debug
cmake --build --preset debug
ctest --preset debug

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
source scripts/sanitizer-env.sh
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

echo "== Fuzzing"
bash scripts/fuzz.sh 30

echo "== Debian package and lintian"
bash scripts/package.sh
