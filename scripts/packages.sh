# The Debian packages each task needs, as <TASK>_PACKAGES; scripts/install-packages.sh
# installs them by task name.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev libgl-dev)
# What the program loads at run time: Qt's German texts.
RUNTIME_PACKAGES=(qt6-translations-l10n)
RUN_PACKAGES=("${BUILD_PACKAGES[@]}" "${RUNTIME_PACKAGES[@]}")
# The fuzz targets need clang and its libFuzzer and sanitizer runtimes.
FUZZ_PACKAGES=("${BUILD_PACKAGES[@]}" clang libclang-rt-14-dev)
BENCH_PACKAGES=("${BUILD_PACKAGES[@]}" libbenchmark-dev)
# cpack's dependency scan (dpkg-shlibdeps), `file`, and Debian's package checker.
PACKAGE_PACKAGES=("${BUILD_PACKAGES[@]}" dpkg-dev file lintian)
# The program on a virtual screen, and a look at its windows.
DISPLAY_PACKAGES=(xvfb xauth x11-utils)
# The main window on virtual screens under a window manager, with a desktop font from qt6ct.
SCREEN_TEST_PACKAGES=(xvfb openbox qt6ct python3 python3-xlib)
# The program through a screen reader's eyes: a private D-Bus session, the AT-SPI registry
# and its Python client, on a virtual screen under a window manager whose windows xprop and
# xwininfo show.
ATSPI_PACKAGES=(dbus dbus-daemon at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-gi python3-xlib
    openbox "${DISPLAY_PACKAGES[@]}")
# Everything scripts/test.sh runs: both test builds with the desktop file and AppStream
# validators, the fuzz run and the package with its checks.
TEST_PACKAGES=("${RUN_PACKAGES[@]}" libgtest-dev desktop-file-utils appstream
    "${SCREEN_TEST_PACKAGES[@]}" "${ATSPI_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
    "${PACKAGE_PACKAGES[@]}")
SCREENSHOT_PACKAGES=("${TEST_PACKAGES[@]}" "${DISPLAY_PACKAGES[@]}")
# The package installed on this machine, or in a fresh system made with debootstrap.
PACKAGE_TEST_PACKAGES=("${PACKAGE_PACKAGES[@]}" "${DISPLAY_PACKAGES[@]}")
PACKAGE_TEST_FRESH_PACKAGES=("${PACKAGE_PACKAGES[@]}" debootstrap)
# The PNG icon is rendered from the SVG icon.
ICON_PACKAGES=(librsvg2-bin)
