#!/usr/bin/env bash
# Plays the first rounds of a fight in the real main window and saves pictures of it. The
# README pictures come from the screen check (tests/screens/screen_check.py), which shows
# the window maximised under a window manager: docs/screenshot.png on 1280x720 at Qt's
# default font, docs/screenshot-scale2.png on 2560x1440 with QT_SCALE_FACTOR=2; the other
# screens it checks go to build/screenshots/. The window at its smallest size goes there
# too, the help window "Regeln und Bedienung" goes to docs/screenshot-help.png, and the
# layout test runs on a virtual display at both scales. Run it again after every change to
# the window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh screenshot
source scripts/jobs.sh

cmake --preset debug
cmake --build --preset debug --target kampfgenerator-screenshot layout_tests

# A 4K screen, so that even at scale 2 the window fits on it.
on_display() {
    local scale=$1
    shift
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 3840x2160x24" "$@"
}
tool=build/debug/tools/kampfgenerator-screenshot
mkdir -p docs build/screenshots
/usr/bin/python3 tests/screens/screen_check.py "$tool" --pictures build/screenshots
cp build/screenshots/1280x720-9pt.png docs/screenshot.png
cp build/screenshots/2560x1440-scale2.png docs/screenshot-scale2.png
on_display 1 "$tool" --size minimum build/screenshots/minimum.png
on_display 2 "$tool" --size minimum build/screenshots/minimum-scale2.png
on_display 1 "$tool" --rules-help docs/screenshot-help.png build/screenshots/help-beside.png

for scale in 1 2; do
    echo "Layout test at scale $scale"
    on_display "$scale" build/debug/tests/gui/layout_tests -silent
done
