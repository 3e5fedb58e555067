#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need (as root).
set -euo pipefail
PKGS=(g++ cmake ninja-build pkg-config ccache
      qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-multimedia-dev qt6-webengine-dev
      libsodium-dev gstreamer1.0-plugins-good gstreamer1.0-plugins-base
      libgtest-dev libgmock-dev libbenchmark-dev libgl-dev
      fonts-wqy-microhei xvfb xauth python3)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
