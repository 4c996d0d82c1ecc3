#!/usr/bin/env bash
# Retakes the README's pictures of the windows, headless.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel --target screenshots
QT_QPA_PLATFORM=offscreen build/tools/screenshots docs
