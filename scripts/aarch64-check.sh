#!/usr/bin/env bash
# Cross-builds the library, the C++ tests and the application for AArch64,
# runs the storage, catalogue and evaluation tests under user-mode emulation,
# and checks the application's staged install against the store's rules.
#
#   bash scripts/aarch64-check.sh            # build dir: build-aarch64/
#   HOPLIX_AARCH64_BUILD_DIR=/tmp/x bash scripts/aarch64-check.sh
#
# Installs (only when missing) Debian's arm64 cross toolchain, qemu-user-static
# and the arm64 multiarch Qt packages beside the native ones.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${HOPLIX_AARCH64_BUILD_DIR:-$root/build-aarch64}"
# The storage, catalogue, evaluation, settings, settlement and game-rule tests:
# the code whose behaviour could differ by architecture. The QML, front-end,
# start-up and multi-process reliability tests stay with the native run.
include="${HOPLIX_AARCH64_TESTS:-storage|applicationcore|simulation|replay}"
# Checks that only read the built program and its staged install: the
# package's file list, the store's rules (its libraries, no rpath, main()
# exported) and the Silica entry file, as the phone's package has them.
packaging_checks=(packaging_install-matches-files packaging_harbour-rules packaging_entry-file)
started=$SECONDS

if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
export DEBIAN_FRONTEND=noninteractive

bash "$root/scripts/setup.sh"

packages=(
    crossbuild-essential-arm64 qemu-user-static
    qtbase5-dev:arm64 qtdeclarative5-dev:arm64 libqt5sql5-sqlite:arm64
)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx arm64; then
        $SUDO dpkg --add-architecture arm64
    fi
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
echo "packages ready after $((SECONDS - started)) s"

# The application links the desktop stand-in of the phone's application
# library, as the phone's links the real one, and installs the phone's shell.
# lrelease, like moc and rcc, is the build machine's own.
host_multiarch="$(dpkg-architecture -qDEB_HOST_MULTIARCH)"
cmake -S "$root" -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/aarch64-linux-gnu.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQt5_DIR=/usr/lib/aarch64-linux-gnu/cmake/Qt5 \
    -DQt5LinguistTools_DIR="/usr/lib/$host_multiarch/cmake/Qt5LinguistTools" \
    -DHOPLIX_BUILD_APP=ON -DHOPLIX_BUILD_BENCH=OFF -DHOPLIX_BUILD_TOOLS=OFF \
    -DHOPLIX_BUILD_TESTS=ON -DHOPLIX_SHELL=silica >/dev/null

tests=()
for source in "$root"/tests/tst_*.cpp; do
    name="$(basename "$source" .cpp)"
    if ! [[ "$name" =~ ^tst_($include)$ ]]; then
        continue
    fi
    tests+=("$name")
done
if [ ${#tests[@]} -eq 0 ]; then
    echo "no tests to run" >&2
    exit 1
fi
echo "building for aarch64: harbour-hoplix ${tests[*]}"
cmake --build "$build" --parallel "$(nproc)" --target harbour-hoplix "${tests[@]}"

# Make sure what was built really is AArch64 code, not the build machine's.
for program in "$build/bin/harbour-hoplix" "$build/tests/${tests[0]}"; do
    if ! readelf -h "$program" | grep -Eq '^ *Machine: +AArch64$'; then
        echo "$program is not an AArch64 executable" >&2
        exit 1
    fi
done
echo "built after $((SECONDS - started)) s"

checks=("${tests[@]}" "${packaging_checks[@]}")
regex="^($(IFS='|'; echo "${checks[*]}"))\$"
export QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software
export QT_PLUGIN_PATH=/usr/lib/aarch64-linux-gnu/qt5/plugins
cd "$build"
ctest --output-on-failure --parallel "$(nproc)" --timeout 900 -R "$regex"
echo "aarch64 check passed in $((SECONDS - started)) s"
