# The Debian packages each task needs; sourced by the other scripts.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev libgl-dev)
TEST_PACKAGES=("${BUILD_PACKAGES[@]}" libgtest-dev)
# The fuzz targets need clang and its libFuzzer and sanitizer runtimes.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
BENCH_PACKAGES=("${BUILD_PACKAGES[@]}" libbenchmark-dev)
