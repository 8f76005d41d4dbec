#!/usr/bin/env bash
# Builds the Debian package with `cpack -G DEB` and checks it: lists its
# control data and contents, checks the files and dependencies it must have,
# runs lintian, asks apt whether it would install here, installs it with dpkg
# into a throw-away root, starts the programs there and removes it again.
#   scripts/package.sh [BUILD-DIR]     (default: build-package)
# The package ends up in BUILD-DIR; its path is the last line printed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-package}"

echo "== Checking the build dependencies"
"$root/scripts/install-deps.sh" package

echo "== Configuring a release build in $build (no tests, benchmarks or screenshot tools)"
# Debian's hardening flags, as a package built by the archive would have them.
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DQX210_BUILD_TESTS=OFF -DQX210_BUILD_BENCHMARKS=OFF -DQX210_BUILD_SCREENSHOTS=OFF >/dev/null

echo "== Building"
cmake --build "$build"

echo "== Packing"
rm -f "$build"/qx210_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls "$build"/qx210_*.deb)"

echo "== Control data"
dpkg-deb --field "$deb"
echo "== Contents"
# Permissions, owner, size, date, time, then the path (which may hold blanks).
contents="$(dpkg-deb --contents "$deb" | sed -E 's/^([^ ]+ +){5}//')"
echo "$contents"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

for path in ./usr/bin/qx210 ./usr/bin/qx210-cli ./usr/bin/qx210-radio-sim \
            ./usr/share/man/man1/qx210.1.gz ./usr/share/man/man1/qx210-cli.1.gz \
            ./usr/share/man/man1/qx210-radio-sim.1.gz ./usr/share/doc/qx210/copyright \
            ./usr/share/doc/qx210/changelog.gz ./usr/share/mime/packages/qx210.xml; do
  grep -qxF "$path" <<<"$contents" || fail "$path is missing"
done
for pattern in '^./usr/share/applications/.*\.desktop$' '^./usr/share/metainfo/.*\.metainfo\.xml$' \
               '^./usr/share/icons/hicolor/scalable/apps/.*\.svg$' '^./usr/share/icons/hicolor/48x48/apps/.*\.png$' \
               '^./usr/share/doc/qx210/.*\.html$'; do
  grep -qE "$pattern" <<<"$contents" || fail "nothing matches $pattern"
done
outside="$(grep -vE '^\./(usr/)?$|^\./usr/(bin|share)/' <<<"$contents" || true)"
[[ -z "$outside" ]] || fail "files outside /usr/bin and /usr/share: $outside"

depends="$(dpkg-deb --field "$deb" Depends)"
for dependency in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6serialport6 qt6-qpa-plugins; do
  grep -qE "(^|, )${dependency//+/\\+}( |,|$)" <<<"$depends" || fail "Depends lacks $dependency: $depends"
done

echo "== lintian"
if command -v lintian >/dev/null; then
  # Errors fail the check; warnings are shown.
  lintian --fail-on error --display-info "$deb" || fail "lintian reports errors"
else
  fail "lintian is missing (scripts/install-deps.sh package installs it)"
fi

echo "== Would it install? (apt-get --simulate)"
if [[ "$(id -u)" -eq 0 ]]; then
  apt-get install --simulate --no-install-recommends "$deb" | grep -E '^(Inst|Conf) ' || true
  apt-get install --simulate --no-install-recommends "$deb" >/dev/null 2>&1 || fail "apt-get cannot install $deb"
else
  echo "(skipped: apt-get --simulate needs root here)"
fi

echo "== Installing with dpkg into a throw-away root"
# An empty dpkg database: dpkg unpacks and registers the package as it would
# on a system (the dependencies were checked by apt above), then removes it.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
troot="$scratch/root"
mkdir -p "$troot/var/lib/dpkg/info" "$troot/var/lib/dpkg/updates" "$troot/var/lib/dpkg/triggers"
touch "$troot/var/lib/dpkg/status" "$troot/var/lib/dpkg/available"
dpkg=(dpkg --root="$troot" --force-not-root --force-depends)
"${dpkg[@]}" --install "$deb" >"$scratch/dpkg.log" 2>&1 || fail "dpkg --install failed: $(cat "$scratch/dpkg.log")"
"${dpkg[@]}" --status qx210 | grep -q '^Status: install ok installed' || fail "dpkg does not list qx210 as installed"
bin="$troot/usr/bin"
for program in qx210 qx210-cli qx210-radio-sim; do
  out="$(env -u DISPLAY -u WAYLAND_DISPLAY HOME="$scratch" "$bin/$program" --version 2>&1)" || fail "$program --version: $out"
  echo "$out"
done
env -u DISPLAY HOME="$scratch" "$bin/qx210" --help | grep -qF "User guide: $troot/usr/share/doc/qx210/" ||
  fail "the installed qx210 does not find its guide"
# The window itself, off screen, for a few seconds.
HOME="$scratch" QT_QPA_PLATFORM=offscreen "$bin/qx210" >"$scratch/window.log" 2>&1 &
window=$!
sleep 3
if kill -0 "$window" 2>/dev/null; then
  echo "qx210 started and kept running"
  kill "$window"
  wait "$window" 2>/dev/null || true
else
  wait "$window" || true
  fail "qx210 ended at once: $(cat "$scratch/window.log")"
fi

"${dpkg[@]}" --remove qx210 >"$scratch/dpkg.log" 2>&1 || fail "dpkg --remove failed: $(cat "$scratch/dpkg.log")"
left="$(find "$troot" -path "$troot/var/lib/dpkg" -prune -o ! -type d -print)"
[[ -z "$left" ]] || fail "files left after dpkg --remove: $left"
echo "installed, started and removed again"

if ((failures)); then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "== Package ready"
echo "$deb"
