#!/usr/bin/env bash
# Screenshots of every auxiliary dialog in Chinese and in English, taken on a
# virtual X display. Usage:
#   scripts/dialog_screenshots.sh [build folder] [output folder]
# The build folder defaults to ./build; the pictures go to
# <build folder>/dialog-screenshots unless an output folder is given.
set -euo pipefail

build="${1:-build}"
out="${2:-$build/dialog-screenshots}"
here="$(cd "$(dirname "$0")/.." && pwd)"

cmake --build "$build" --target qx210-dialog-screenshots
tool="$(find "$build" -type f -name qx210-dialog-screenshots -perm -u+x | head -n 1)"
if [[ -z "$tool" ]]; then
  echo "qx210-dialog-screenshots was not built in $build" >&2
  exit 1
fi

mkdir -p "$out"
QT_QPA_PLATFORM=xcb xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" "$tool" "$out"

# One contact sheet per language for a quick look.
if command -v montage >/dev/null 2>&1; then
  for lang in zh en; do
    rm -f "$out/all_$lang.png"
    montage "$out"/form*_"$lang".png "$out"/frm*_"$lang".png -tile 3x -geometry +8+8 -background '#d0d0d0' "$out/all_$lang.png" || true
  done
fi
echo "Screenshots in $out (source tree: $here)"
