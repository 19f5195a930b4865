#!/usr/bin/env bash
# Builds the library, the application and every test against Qt 5.6.3 as the
# phone has it (the prefix in ../shared/toolchains/, built for this machine)
# and runs the whole ctest suite there.
#
#   bash scripts/qt56-check.sh               # build dir: build-qt56/
#   HOPLIX_QT56_BUILD_DIR=/tmp/x bash scripts/qt56-check.sh
#
# The prefix is unpacked once per machine under /var/cache/hoplix (outside
# the clone), in a folder named after the archive's checksum. Qt 5.6 has no
# software scene graph and its offscreen platform cannot compile the scene
# graph's shaders on Mesa, so the Qt Quick tests and the application run on
# Xvfb with the xcb platform; the other tests run offscreen as elsewhere.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${HOPLIX_QT56_BUILD_DIR:-$root/build-qt56}"
archive="$root/../shared/toolchains/qt-5.6.3-sailfish-debian12-x86_64.tar.xz"
started=$SECONDS

if [ ! -f "$archive" ]; then
    echo "Qt 5.6.3 check skipped: no $archive on this machine"
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi

# Also what the prefix needs at run time, and Xvfb for Qt Quick.
bash "$root/scripts/setup.sh"

sum="$(sha256sum "$archive" | cut -c1-16)"
cache="${HOPLIX_QT56_CACHE:-/var/cache/hoplix}/qt-5.6.3-$sum"
if [ ! -f "$cache/.unpacked" ]; then
    echo "unpacking Qt 5.6.3 into $cache"
    $SUDO rm -rf "$cache"
    $SUDO mkdir -p "$cache"
    $SUDO tar -xJf "$archive" -C "$cache"
    $SUDO touch "$cache/.unpacked"
fi
qt="$cache/install"
echo "Qt 5.6.3 ready after $((SECONDS - started)) s"

# The prefix has no QtMultimedia or QtFeedback: the front end is tested
# without them there, as on a phone that lacks them. The image and sound
# programs stay off: the committed assets are what they
# make with Debian's Qt, whose rasteriser differs from 5.6's in the last bits,
# and the phone never runs them.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_PREFIX_PATH="$qt" -DQt5_DIR="$qt/lib/cmake/Qt5" \
    -DHOPLIX_BUILD_APP=ON -DHOPLIX_BUILD_TESTS=ON -DHOPLIX_BUILD_BENCH=ON \
    -DHOPLIX_BUILD_TOOLS=OFF -DHOPLIX_QUICK_TEST_PLATFORM=xcb \
    -DHOPLIX_TEST_MEDIA_MODULES=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)"
if ! grep -q "Qt5Core_DIR:PATH=$qt/" "$build/CMakeCache.txt"; then
    echo "$build was not configured against $qt" >&2
    exit 1
fi
echo "built against Qt 5.6.3 after $((SECONDS - started)) s"

# The prefix was built without an rpath and with a prefix of its own machine:
# its libraries, plugins and QML modules are named here, or Debian's 5.15
# ones are picked up.
export LD_LIBRARY_PATH="$qt/lib${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
export QT_PLUGIN_PATH="$qt/plugins" QML2_IMPORT_PATH="$qt/qml"
export QT_QPA_PLATFORM=offscreen
cd "$build"
xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --output-on-failure --parallel "$(nproc)" --timeout 900
echo "Qt 5.6.3 check passed in $((SECONDS - started)) s"
