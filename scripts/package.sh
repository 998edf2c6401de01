#!/usr/bin/env bash
# Builds the Debian package build/package/torvenn-kampfgenerator_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh package
source scripts/jobs.sh

# Debian's hardening flags, as a Debian package build would pass them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS=$(dpkg-buildflags --get CXXFLAGS) CPPFLAGS=$(dpkg-buildflags --get CPPFLAGS)
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS="$CXXFLAGS $CPPFLAGS" LDFLAGS
rm -rf build/package
cmake --preset package
cmake --build --preset package
rm -f build/package/*.deb
(cd build/package && cpack)
deb=$(ls build/package/*.deb)
dpkg-deb --field "$deb" Package Version Architecture Depends
# Debian's package checks: any error fails the build; the warnings left are explained in
# the README.
lintian --fail-on error --allow-root "$deb"
echo "built $deb"
