#!/usr/bin/env bash
# Inside the private D-Bus session: the X screen, the accessibility bus, then the checks.
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
children=()
cleanup() { for pid in "${children[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap cleanup EXIT

# A display number of our own, far from the numbers other virtual screens pick first (0
# upwards, 99 downwards, the screen check's 60 on): a server that ends while ours starts
# on its number removes the socket ours just made.
display=""
for number in $(seq $((200 + $$ % 50)) 299); do
    [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -screen 0 1600x900x24 -nolisten tcp -noreset 2>/dev/null &
    xvfb=$!
    children+=($xvfb)
    for _ in $(seq 100); do
        kill -0 "$xvfb" 2>/dev/null || break
        if DISPLAY=":$number" xdpyinfo >/dev/null 2>&1; then
            display=":$number"
            break 2
        fi
        sleep 0.1
    done
    kill "$xvfb" 2>/dev/null || true
done
[ -n "$display" ] || { echo "no X display could be started" >&2; exit 1; }
export DISPLAY=$display
# A real window manager, as the program meets it on a desktop: it frames the windows and
# says what it offers for each.
openbox --sm-disable >/dev/null 2>&1 &
children+=($!)
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" || { echo "openbox did not start" >&2; exit 1; }
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
