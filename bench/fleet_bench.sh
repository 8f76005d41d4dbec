#!/usr/bin/env bash
# Builds and runs the fleet benchmark: one image cloned to 1, 2, 4 and 8 paced
# emulated radios at once, wall time against one radio (aim: 8 <= 1.15 x 1).
# Usage: bench/fleet_bench.sh [build-dir] [rounds] [--verify]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-bench}"
shift || true
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQX210_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target qx210-fleet-bench
exec "$build/bench/qx210-fleet-bench" "$@"
