#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs the benchmark of the automatic searches; ends with one
# line of key=value pairs. Not a test: it passes or fails nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# Without a display the windows are painted off screen.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
fi
cmake --preset default >/dev/null
cmake --build --preset default --target ordevix-bench
exec ./build/bench/ordevix-bench
