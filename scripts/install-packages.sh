#!/usr/bin/env bash
# Installs the Debian packages the named tasks need (scripts/packages.sh lists them) that
# are not installed yet:  install-packages.sh TASK...  with TASK one of run, test, fuzz,
# bench, package, package-test, package-test-fresh, screenshot, icon.
# Runs apt-get as root, or through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

wanted=()
for task in "$@"; do
    list="${task^^}_PACKAGES"
    list="${list//-/_}"
    if ! declare -p "$list" >/dev/null 2>&1; then
        echo "install-packages.sh: no task \"$task\" in scripts/packages.sh" >&2
        exit 2
    fi
    declare -n packages="$list"
    wanted+=("${packages[@]}")
    unset -n packages
done

missing=()
for package in $(printf '%s\n' "${wanted[@]}" | sort -u); do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed$'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
