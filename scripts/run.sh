#!/usr/bin/env bash
# Builds the program in build/release and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh run
source scripts/jobs.sh
cmake --preset release
cmake --build --preset release --target kampfgenerator
exec build/release/ui/kampfgenerator
