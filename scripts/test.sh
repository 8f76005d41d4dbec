#!/usr/bin/env bash
# Installs what is missing, builds everything (program, tools, tests,
# benchmarks) with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-test/, and runs the whole test suite. Arguments go to ctest.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
say() { printf '== %s\n' "$*" >&2; }

say "Checking the Debian packages the build and the tests need (scripts/install-deps.sh)"
"$root/scripts/install-deps.sh" test
build="$root/build-test"
say "Configuring a sanitizer build in $build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQX210_SANITIZE=ON -DQX210_BUILD_TESTS=ON >/dev/null
say "Building everything"
cmake --build "$build"
say "Running the tests"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure "$@"
