#!/usr/bin/env bash
# Installs the Debian 12 packages a task needs; only missing ones, through
# sudo when not run as root.
#   scripts/install-deps.sh [run|test|package|all]     (default: all)
#   run      build and start the program (scripts/run.sh)
#   test     also the test suite and the install check (scripts/test.sh)
#   package  also the Debian package and lintian (scripts/package.sh)
#   windows  also the Windows cross-build, Wine and NSIS (scripts/windows.sh)
set -euo pipefail
task="${1:-all}"

run_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
  qt6-qpa-plugins libgl-dev
  fonts-noto-cjk
  librsvg2-bin  # the icon's PNG sizes
)
test_packages=(
  libgtest-dev
  xvfb xauth imagemagick
  # The install check: validators, MIME database, manual-page rendering.
  desktop-file-utils appstream shared-mime-info libxml2-utils man-db bsdextrautils
  poppler-utils  # the channel sheet's PDF read back as text
  # The accessibility tree read over AT-SPI (scripts/check-accessibility.sh).
  dbus-daemon at-spi2-core python3-pyatspi
)
package_packages=(dpkg-dev lintian)
windows_packages=(g++-mingw-w64-x86-64-posix wine wine64 nsis dpkg-dev zip)

case "$task" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  package) packages=("${run_packages[@]}" "${package_packages[@]}") ;;
  windows) packages=("${run_packages[@]}" "${test_packages[@]}" "${windows_packages[@]}") ;;
  all) packages=("${run_packages[@]}" "${test_packages[@]}" "${package_packages[@]}") ;;
  *) echo "usage: scripts/install-deps.sh [run|test|package|windows|all]" >&2; exit 2 ;;
esac

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
