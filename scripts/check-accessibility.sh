#!/usr/bin/env bash
# Reads the main window's accessibility tree over AT-SPI, as a screen reader
# does: every focusable control named, lists named by their captions, nothing
# hidden exposed, no stray blanks in names. Needs xvfb, dbus and
# python3-pyatspi (scripts/install-deps.sh test).
# Usage: scripts/check-accessibility.sh [build-dir] [zh|en]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
language="${2:-en}"
cmake --build "$build" --target qx210-screenshot-scene >/dev/null
scene="$build/tools/screenshots/qx210-screenshot-scene"

xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash -c '
  export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 GTK_MODULES=
  export ASAN_OPTIONS=detect_leaks=0
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  sleep 1
  log="$(mktemp)"
  "$0" "$1" >"$log" 2>/dev/null &
  pid=$!
  for _ in $(seq 100); do grep -q ready "$log" && break; sleep 0.1; done
  status=0
  # The Python of the system, which has the AT-SPI bindings.
  /usr/bin/python3 "$2" qx210-screenshot-scene || status=$?
  kill "$pid" "$launcher" 2>/dev/null || true
  rm -f "$log"
  exit "$status"
' "$scene" "$language" "$root/scripts/check-accessibility.py"
