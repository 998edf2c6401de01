# The Debian packages each task needs; sourced by the other scripts.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev libgl-dev)
TEST_PACKAGES=("${BUILD_PACKAGES[@]}" libgtest-dev)
BENCH_PACKAGES=("${BUILD_PACKAGES[@]}" libbenchmark-dev)
