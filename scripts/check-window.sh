#!/usr/bin/env bash
# Starts the program on the X display in $DISPLAY, waits until its main window is shown,
# checks the window's icon and class, that the program keeps running, and ends it again.
# Run it under xvfb-run:  check-window.sh PROGRAM [LAUNCHER.desktop]
set -euo pipefail
program=$1
desktop_file=${2:-}
title="Torvenn Kampfgenerator Version 1.1"

fail() {
    echo "FAIL: $*" >&2
    kill "$pid" 2>/dev/null || true
    exit 1
}

"$program" &
pid=$!
window=
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || fail "$program ended before its window appeared"
    window=$(xwininfo -root -tree | grep -F "\"$title\"" | awk '{print $1}' | head -n 1 || true)
    if [ -n "$window" ] && xwininfo -id "$window" | grep -q 'Map State: IsViewable'; then
        break
    fi
    window=
    sleep 0.2
done
[ -n "$window" ] || fail "no window \"$title\" within 20 seconds"
echo "window $window \"$title\" is shown"
xwininfo -id "$window" | grep -E 'Width|Height'

# The first number of the icon property is the icon's width: no icon, no number.
xprop -id "$window" -len 8 -f _NET_WM_ICON 32c _NET_WM_ICON | grep -Eq '= [1-9]' ||
    fail "the window has no icon"
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= "\([^"]*\)", "\([^"]*\)"/\2/p')
echo "window class: $class"
if [ -n "$desktop_file" ]; then
    grep -qx "StartupWMClass=$class" "$desktop_file" ||
        fail "$desktop_file does not name the window class $class"
fi

sleep 1
kill -0 "$pid" 2>/dev/null || fail "$program ended right after showing its window"
kill "$pid"
wait "$pid" || true
echo "window check passed"
