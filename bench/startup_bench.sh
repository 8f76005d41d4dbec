#!/usr/bin/env bash
# Start-up benchmark: launches the main window offscreen several times and
# prints, per run, the time from launching the process to the window's first
# paint and the peak resident memory, then the median of each.
# Usage: bench/startup_bench.sh [build-dir] [runs]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-bench}"
runs="${2:-7}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQX210_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target qx210-startup-bench >/dev/null
bench="$build/bench/qx210-startup-bench"
export QT_QPA_PLATFORM=offscreen
"$bench" "$(date +%s%N)" >/dev/null  # warm the file cache
times=()
memory=()
for ((i = 1; i <= runs; i++)); do
  out="$("$bench" "$(date +%s%N)")"
  t="$(awk '/^launch_to_shown_ms/ {print $2}' <<<"$out")"
  m="$(awk '/^peak_rss_kb/ {print $2}' <<<"$out")"
  printf 'run %d: launch to window shown %s ms, peak memory %s kB\n' "$i" "$t" "$m"
  times+=("$t")
  memory+=("$m")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
printf 'median: launch to window shown %s ms, peak memory %s kB (%d runs)\n' \
  "$(median "${times[@]}")" "$(median "${memory[@]}")" "$runs"
