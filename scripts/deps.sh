#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test Soranowa (only those missing).
set -euo pipefail
PACKAGES=(build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-charts-dev qt6-serialport-dev qt6-svg-dev qt6-tools-dev libgl1-mesa-dev
  libgtest-dev libicu-dev libcurl4-openssl-dev qtkeychain-qt6-dev libarchive-dev libarchive-tools lhasa
  fonts-ipafont-gothic fonts-ipafont-mincho poppler-utils socat python3-pyftpdlib python3-openssl openssl xvfb xauth openbox xdotool x11-utils
  libmecab-dev mecab-ipadic-utf8 mecab-utils
  desktop-file-utils appstream dbus-daemon gnome-keyring
  skkdic-extra
  clang-format ccache)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
