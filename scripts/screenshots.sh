#!/usr/bin/env bash
# Screenshots of the main window with a few channels, in Chinese and English,
# each also with the Programming menu open, taken on a virtual X display.
# Usage: scripts/screenshots.sh [--window-only] [build-dir] [output-dir]
# --window-only leaves out the pictures with the menu open (the README's
# pictures in docs/screenshots are made that way).
set -euo pipefail
menus=1
if [[ "${1:-}" == "--window-only" ]]; then
  menus=0
  shift
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="${2:-$root/screenshots}"
mkdir -p "$out"
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target qx210-screenshot-scene >/dev/null
scene="$build/tools/screenshots/qx210-screenshot-scene"

shoot() {  # language, file, [menu]
  xvfb-run -a -s "-screen 0 840x500x24" bash -c '
    log="$(mktemp)"
    QT_QPA_PLATFORM=xcb "$0" "$1" "$3" >"$log" 2>/dev/null &
    pid=$!
    for _ in $(seq 100); do grep -q ready "$log" && break; sleep 0.1; done
    import -window root "$2"
    # Only the window: the screen around it is black.
    convert "$2" -bordercolor black -border 1 -trim +repage "$2"
    kill "$pid"
    rm -f "$log"
  ' "$scene" "$1" "$2" "${3:-}"
  echo "$2"
}

shoot zh "$out/main_window_zh.png"
shoot en "$out/main_window_en.png"
if ((menus)); then
  shoot zh "$out/main_window_zh_menu.png" menu
  shoot en "$out/main_window_en_menu.png" menu
fi
