#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Quiet and quick when everything is present; `apt-get update` only runs when
# something is missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config git
    qtbase5-dev qtdeclarative5-dev qttools5-dev-tools qttools5-dev
    # The front-end test reports the application inactive as the platform would.
    qtbase5-private-dev
    libqt5sql5-sqlite libqt5svg5 libqt5svg5-dev
    qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qttest
    qml-module-qtmultimedia qml-module-qtfeedback
    qtdeclarative5-dev-tools
    libsqlite3-dev sqlite3
    rpm python3 binutils
    # The Qt 5.6.3 check: the prefix's run-time libraries and a display.
    xvfb xauth xz-utils libgl1-mesa-dri libglx-mesa0 libegl1 libfontconfig1 libfreetype6
    libxkbcommon-x11-0 libx11-xcb1 libxcb1 libxcb-icccm4 libxcb-image0 libxcb-keysyms1
    libxcb-randr0 libxcb-render-util0 libxcb-shape0 libxcb-shm0 libxcb-sync1 libxcb-xfixes0
    libxcb-xinerama0 libxcb-xkb1 libsqlite3-0
    fonts-wqy-microhei
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
else
    SUDO=
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
