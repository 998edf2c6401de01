#!/usr/bin/env bash
# Plays the first rounds of a fight in the real main window on a virtual X display and
# saves pictures of it: docs/screenshot.png at 96 dpi (shown in the README) and
# docs/screenshot-scale2.png with QT_SCALE_FACTOR=2. The window at its smallest size goes
# to build/screenshots/ for a look at the layout, and the layout test runs on the same
# display at both scales. Run it again after every change to the window.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/install-packages.sh "${SCREENSHOT_PACKAGES[@]}"

cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build/debug -j 2 --target kampfgenerator-screenshot layout_tests

# A 4K screen, so that even at scale 2 the window fits on it.
on_display() {
    local scale=$1
    shift
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 3840x2160x24" "$@"
}
tool=build/debug/tools/kampfgenerator-screenshot
mkdir -p docs build/screenshots
on_display 1 "$tool" docs/screenshot.png
on_display 2 "$tool" docs/screenshot-scale2.png
on_display 1 "$tool" --size minimum build/screenshots/minimum.png
on_display 2 "$tool" --size minimum build/screenshots/minimum-scale2.png

for scale in 1 2; do
    echo "Layout test at scale $scale"
    on_display "$scale" build/debug/tests/gui/layout_tests -silent
done
