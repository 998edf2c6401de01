#!/usr/bin/env bash
# Inside the private D-Bus session: the X screen, the accessibility bus, then the checks.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
children=()
cleanup() { for pid in "${children[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap cleanup EXIT

# A display number can be taken by another test's server between the choice and the
# first client: start again until a client really connects.
for attempt in 1 2 3 4 5; do
    exec {displayfd}<> <(:)
    Xvfb -displayfd "$displayfd" -screen 0 1600x900x24 -nolisten tcp &
    xvfb=$!
    children+=($xvfb)
    read -r -t 30 -u "$displayfd" display
    export DISPLAY=":$display"
    for _ in $(seq 50); do
        xdpyinfo >/dev/null 2>&1 && break 2
        sleep 0.1
    done
    echo "display $DISPLAY does not answer (attempt $attempt)" >&2
    kill "$xvfb" 2>/dev/null || true
done
xdpyinfo >/dev/null || { echo "no X display could be started" >&2; exit 1; }
/usr/libexec/at-spi-bus-launcher --launch-immediately &
children+=($!)
# Clients that come before the accessibility bus wait for good.
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done
export QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_SCALE_FACTOR
/usr/bin/python3 "$here/atspi_test.py" "$program"
