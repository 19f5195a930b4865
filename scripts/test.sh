#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through ctest.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${HOPLIX_BUILD_DIR:-$root/build}"

bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 900
