#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test headless, in the normal build and under
# the sanitizers; ends with ctest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default

# The same suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# with the fuzz targets run from a fixed seed for a fixed number of inputs.
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize -j2
