#!/usr/bin/env bash
# Builds the Debian package build/package/torvenn-kampfgenerator_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
bash scripts/install-packages.sh "${PACKAGE_PACKAGES[@]}"

cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DTORVENN_BUILD_TOOLS=OFF
cmake --build build/package -j 2
rm -f build/package/*.deb
(cd build/package && cpack)
deb=$(ls build/package/*.deb)
dpkg-deb --field "$deb" Package Version Architecture Depends
echo "built $deb"
