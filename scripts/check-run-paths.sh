#!/usr/bin/env bash
# Fails when a binary below the folder has an empty, relative or $ORIGIN run path entry;
# the binaries named after it must be among those checked. Used for the builds that ctest
# does not cover (fuzzers, benchmarks).
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$(realpath "$1")
shift
required=()
for binary in "$@"; do
    required+=("$(realpath "$binary")")
done
cmake -DREADELF="$(command -v readelf)" -DFOLDERS="$folder" \
    "-DREQUIRED=$(IFS=';'; echo "${required[*]}")" -P tests/loading/CheckRunPaths.cmake
