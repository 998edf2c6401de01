# The Debian packages each task needs; sourced by the other scripts.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev libgl-dev)
# The main window on virtual screens under a window manager, with a desktop font from qt6ct.
SCREEN_TEST_PACKAGES=(xvfb openbox qt6ct python3 python3-xlib)
# The desktop file and AppStream validators run as tests.
TEST_PACKAGES=("${BUILD_PACKAGES[@]}" libgtest-dev desktop-file-utils appstream
    "${SCREEN_TEST_PACKAGES[@]}")
# The fuzz targets need clang and its libFuzzer and sanitizer runtimes.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
BENCH_PACKAGES=("${BUILD_PACKAGES[@]}" libbenchmark-dev)
# cpack's dependency scan (dpkg-shlibdeps) and `file`.
PACKAGE_PACKAGES=("${BUILD_PACKAGES[@]}" dpkg-dev file)
# The program on a virtual screen, and a look at its windows.
DISPLAY_PACKAGES=(xvfb xauth x11-utils)
SCREENSHOT_PACKAGES=("${TEST_PACKAGES[@]}" "${DISPLAY_PACKAGES[@]}")
