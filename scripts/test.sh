#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through
# ctest: the native suite, the same suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer, and the storage, catalogue and evaluation tests
# cross-built for AArch64 under emulation, and the whole suite built against
# Qt 5.6.3 as the phone has it.
#
# HOPLIX_QUICK=1 runs the native suite only, for a quick round while working.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${HOPLIX_BUILD_DIR:-$root/build}"
started=$SECONDS

bash "$root/scripts/setup.sh"
# The benchmark and the image program are options a newcomer may turn off;
# CI builds and runs them.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DHOPLIX_BUILD_BENCH=ON -DHOPLIX_BUILD_TOOLS=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)"
(
    export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
    cd "$build"
    ctest --output-on-failure --parallel "$(nproc)" --timeout 900
)
echo "native suite done after $((SECONDS - started)) s"

if [ "${HOPLIX_QUICK:-0}" = 1 ]; then
    exit 0
fi

bash "$root/scripts/sanitize.sh"
echo "sanitizer suite done after $((SECONDS - started)) s"

bash "$root/scripts/aarch64-check.sh"
echo "AArch64 check done after $((SECONDS - started)) s"

bash "$root/scripts/qt56-check.sh"
echo "Qt 5.6.3 check done after $((SECONDS - started)) s"
