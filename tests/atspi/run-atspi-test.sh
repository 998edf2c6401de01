#!/usr/bin/env bash
# Starts the program on a virtual X screen in a private D-Bus session with the AT-SPI
# registry, and checks it through the AT-SPI client library as a screen reader sees it.
# Usage: run-atspi-test.sh PROGRAM
set -euo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb openbox dbus-run-session xprop xwininfo /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "missing: $tool (scripts/packages.sh ATSPI_PACKAGES)" >&2; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' || { echo "missing: python3-pyatspi" >&2; exit 1; }
/usr/bin/python3 -c "import Xlib" || { echo "missing: python3-xlib" >&2; exit 1; }
# Whatever happens, the whole run ends within ten minutes.
exec timeout --kill-after=10 600 dbus-run-session -- bash "$here/atspi-session.sh" "$program"
