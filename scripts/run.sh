#!/usr/bin/env bash
# Installs what is missing, builds the application and starts it. Without a
# display it runs offscreen.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${HOPLIX_BUILD_DIR:-$root/build}"

bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target harbour-hoplix
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
fi
exec "$build/bin/harbour-hoplix" "$@"
