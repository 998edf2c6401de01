#!/usr/bin/env bash
# Renders the PNG icon (window icon and 256x256 desktop icon) from the SVG icon.
# Run it after every change of dist/de.torvenn.Kampfgenerator.svg and commit both.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh icon
rsvg-convert --width 256 --height 256 --output dist/de.torvenn.Kampfgenerator-256.png \
    dist/de.torvenn.Kampfgenerator.svg
echo "wrote dist/de.torvenn.Kampfgenerator-256.png"
