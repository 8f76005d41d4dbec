#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Only missing packages are installed; run as root or with sudo available.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
  qt6-qpa-plugins libgl-dev
  libgtest-dev
  fonts-noto-cjk
  xvfb xauth imagemagick
  # Desktop integration and the Debian package: icons drawn at build time,
  # validators and manual-page rendering for the install check, packaging.
  librsvg2-bin desktop-file-utils appstream shared-mime-info libxml2-utils
  man-db bsdextrautils dpkg-dev lintian
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
