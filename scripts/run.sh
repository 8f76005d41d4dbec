#!/usr/bin/env bash
# Installs what is missing, builds the program with its command line and
# emulator (no tests, benchmarks or screenshot tools) and starts it.
#   scripts/run.sh [FILE.DAT | --help | --version]
# Arguments go to the program. The build lives in ./build; later runs only
# rebuild what changed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
say() { printf '== %s\n' "$*" >&2; }

say "Checking the Debian packages the build needs (scripts/install-deps.sh)"
"$root/scripts/install-deps.sh" run

say "Configuring a release build in $build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DQX210_BUILD_TESTS=OFF -DQX210_BUILD_BENCHMARKS=OFF -DQX210_BUILD_SCREENSHOTS=OFF >/dev/null

say "Building qx210, qx210-cli and qx210-radio-sim (the first time takes a few minutes)"
cmake --build "$build"

say "Starting $build/src/app/qx210 $*"
exec "$build/src/app/qx210" "$@"
