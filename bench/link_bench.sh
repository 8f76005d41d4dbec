#!/usr/bin/env bash
# Builds and runs the link benchmark: paced reads and writes against the
# emulated radio, wall time as a ratio of the line-time bound (target <= 1.05).
# Usage: bench/link_bench.sh [build-dir] [rounds]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-bench}"
rounds="${2:-3}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQX210_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target qx210-link-bench
exec "$build/bench/qx210-link-bench" "$rounds"
