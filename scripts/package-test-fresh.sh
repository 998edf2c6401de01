#!/usr/bin/env bash
# Installs the Debian package into a fresh, minimal Debian 12 system made with debootstrap,
# as `apt install ./the.deb` does on a new machine, and starts the installed program there
# under Xvfb. The system lives in build/fresh-debian only while the test runs. Needs root
# (debootstrap, chroot, mount) and takes a few minutes for the downloads.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then
    echo "Run as root: debootstrap, chroot and mount need it." >&2
    exit 1
fi
bash scripts/install-packages.sh package-test-fresh
bash scripts/package.sh
deb=$(ls build/package/torvenn-kampfgenerator_*.deb)

root=$PWD/build/fresh-debian
# The same Debian mirror this machine's apt uses.
mirror=$(apt-get indextargets --format '$(REPO_URI)' 'Created-By: Packages' 'Codename: bookworm' |
    head -n 1)
[ -n "$mirror" ] || { echo "no bookworm source in this machine's apt sources" >&2; exit 1; }

unmount() {
    for mount in "$root/proc" "$root/dev/pts"; do
        if mountpoint -q "$mount"; then
            umount "$mount"
        fi
    done
}
# Never follows a mount that is still there into the host.
clean_up() {
    unmount
    rm -rf --one-file-system "$root"
}
trap clean_up EXIT

clean_up
echo "Making a minimal Debian 12 system in $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" > "$root-debootstrap.log" 2>&1 ||
    { tail -n 20 "$root-debootstrap.log"; exit 1; }
mount -t proc proc "$root/proc"
mkdir -p "$root/dev/pts"
mount -t devpts devpts "$root/dev/pts"
in_root() { DEBIAN_FRONTEND=noninteractive chroot "$root" "$@"; }

cp "$deb" "$root/tmp/"
cp scripts/check-window.sh "$root/tmp/"
in_root apt-get update -qq
echo "apt install ./$(basename "$deb") on the fresh system"
in_root sh -c "cd /tmp && apt-get install -y -q ./$(basename "$deb")" > "$root-apt.log" 2>&1 ||
    { tail -n 30 "$root-apt.log"; exit 1; }
grep -E '^Setting up (torvenn|libqt6|qt6)' "$root-apt.log" || true
in_root dpkg-query -W torvenn-kampfgenerator
if in_root ldd /usr/bin/kampfgenerator | grep 'not found'; then
    echo "FAIL: the package does not bring every library the program needs" >&2
    exit 1
fi
plugin=$(in_root sh -c 'ls /usr/lib/*/qt6/plugins/platforms/libqxcb.so')
if in_root ldd "$plugin" | grep 'not found'; then
    echo "FAIL: the package does not bring what Qt's X11 display plugin needs" >&2
    exit 1
fi

# Only now the virtual screen, so it cannot bring in what the package forgot.
in_root apt-get install -y -qq --no-install-recommends xvfb xauth x11-utils > /dev/null
in_root xvfb-run -a -s "-screen 0 1366x768x24" bash /tmp/check-window.sh /usr/bin/kampfgenerator \
    /usr/share/applications/de.torvenn.Kampfgenerator.desktop
echo "fresh-system package test passed"
