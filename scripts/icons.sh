#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the window icons, drawn as SVG in resources/icons/, to the PNGs that
# the program has compiled in (resources/icons/SIZE/NAME.png), with Qt's own SVG
# renderer. Run by hand after a drawing changes, and commit the PNGs: the build
# only compiles them in, so it runs nothing it built and can cross-build. Needs
# a compiler, pkg-config and Qt's SVG module (qt6-svg-dev).
set -euo pipefail
cd "$(dirname "$0")/.."

# From the title bar's 16 px to the 256 px that docks and task switchers ask for.
sizes=(16 24 32 48 64 128 256)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck disable=SC2046 # pkg-config's flags are words
c++ -std=c++20 -O2 -fPIC resources/iconrender.cpp -o "$work/iconrender" \
    $(pkg-config --cflags --libs Qt6Svg Qt6Gui)

count=0
for svg in resources/icons/*.svg; do
    name=$(basename "$svg" .svg)
    count=$((count + 1))
    for size in "${sizes[@]}"; do
        mkdir -p "resources/icons/$size"
        "$work/iconrender" "$svg" "$size" "resources/icons/$size/$name.png"
    done
done
echo "Rendered $count icons at ${sizes[*]} px into resources/icons/"
