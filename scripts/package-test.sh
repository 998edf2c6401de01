#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine with apt, starts the installed
# program on a virtual screen and removes the package again. It changes the system, so it
# is not part of scripts/test.sh; run it as root or as a user with sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh package-test

package=torvenn-kampfgenerator
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'installed'; then
    echo "$package is installed already; remove it first (apt remove $package)." >&2
    exit 1
fi

bash scripts/package.sh
deb=$(ls "$PWD"/build/package/${package}_*.deb)

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
remove_package() {
    echo "Removing $package"
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get remove -y -qq "$package"
}
trap remove_package EXIT

echo "Installing $deb"
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "$deb"

installed=$(command -v kampfgenerator)
[ "$installed" = /usr/bin/kampfgenerator ] || { echo "FAIL: kampfgenerator is $installed" >&2; exit 1; }
if ldd "$installed" | grep 'not found'; then
    echo "FAIL: libraries missing" >&2
    exit 1
fi
for file in /usr/share/applications/de.torvenn.Kampfgenerator.desktop \
    /usr/share/metainfo/de.torvenn.Kampfgenerator.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/de.torvenn.Kampfgenerator.svg; do
    [ -f "$file" ] || { echo "FAIL: $file is missing" >&2; exit 1; }
done

xvfb-run -a -s "-screen 0 1366x768x24" \
    bash scripts/check-window.sh "$installed" /usr/share/applications/de.torvenn.Kampfgenerator.desktop
echo "package test passed"
