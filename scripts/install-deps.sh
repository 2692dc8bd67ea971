#!/usr/bin/env bash
# Installs what building, running and testing need, from Debian 12's packages.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
PACKAGES=(
  g++ cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-webengine-dev qt6-webchannel-dev qt6-multimedia-dev
  qt6-httpserver-dev qt6-websockets-dev
  libxml2-dev libgumbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth openbox trayer x11-utils xdotool imagemagick dbus-x11
  gstreamer1.0-plugins-good fonts-wqy-microhei
  dpkg-dev file lintian
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
