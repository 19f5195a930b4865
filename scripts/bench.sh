#!/usr/bin/env bash
# Installs what is missing, builds the benchmark program and prints every
# figure beside its anchor, as one table. Takes a few minutes; each benchmark
# works in a temporary configuration directory of its own. Name benchmarks
# (settlement growth gui list page startup simulation pages frames) to run only those.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${HOPLIX_BUILD_DIR:-$root/build}"

bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHOPLIX_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target hoplix-bench
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
echo "$(nproc) cores: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //')"
exec "$build/bin/hoplix-bench" "$@"
