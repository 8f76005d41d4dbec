#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds qx210 for x86_64 Windows on Debian 12 and tests it under Wine.
#
#   scripts/windows.sh [all|toolchain|qt|build|test|package|screenshot|ci]   (default: all)
#
# The toolchain comes from Debian's archive (MinGW-w64, Wine, NSIS); Qt base is
# built from Debian's qt6-base source package into a cache outside the tree
# (QX210_WIN_CACHE, default ~/.cache/qx210-windows) that later runs reuse.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cache="${QX210_WIN_CACHE:-$HOME/.cache/qx210-windows}"
build="${QX210_WIN_BUILD:-$here/build-windows}"
jobs="${QX210_WIN_JOBS:-2}"
toolchain="$here/packaging/windows/mingw-toolchain.cmake"
stage="${1:-all}"

say() { printf '[windows %s] %s\n' "$(date +%H:%M:%S)" "$*"; }
as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

install_toolchain() {
  "$here/scripts/install-deps.sh" windows
}

# A deb-src entry for the Debian archive apt already uses, so that apt-get source
# checks the package against the same signed index.
add_deb_src() {
  local list=/etc/apt/sources.list.d/qx210-deb-src.sources
  [ -e "$list" ] && return 0
  if grep -qs '^Types:.*deb-src' /etc/apt/sources.list.d/debian.sources \
     || grep -qs '^deb-src ' /etc/apt/sources.list; then
    return 0
  fi
  local suite
  suite="$(. /etc/os-release && echo "$VERSION_CODENAME")"
  say "adding a deb-src entry for $suite"
  as_root tee "$list" >/dev/null <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $suite $suite-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  as_root apt-get update -q
}

qt_prefix() { echo "$cache/qt6-mingw"; }

build_qt() {
  local prefix stamp
  prefix="$(qt_prefix)"
  stamp="$prefix/.qx210-stamp"
  if [ -e "$stamp" ]; then
    say "Qt for Windows: reusing $prefix ($(cat "$stamp"))"
    return 0
  fi
  add_deb_src
  mkdir -p "$cache/src"
  local srcdir
  srcdir="$(find "$cache/src" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)"
  if [ -z "$srcdir" ]; then
    say "fetching the qt6-base source package"
    (cd "$cache/src" && apt-get source -q qt6-base)
    srcdir="$(find "$cache/src" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)"
  fi
  local dsc
  dsc="$(find "$cache/src" -maxdepth 1 -name 'qt6-base_*.dsc' | head -n1)"
  local version
  version="$(sed -n 's/^Version: //p' "$dsc")"
  say "configuring Qt base $version for x86_64 Windows (source $srcdir)"
  # Qt remembers its toolchain file: a copy in the cache outlives this tree.
  cp "$toolchain" "$cache/mingw-toolchain.cmake"
  # Qt 6.4.2 builds its DirectWrite font code only together with Direct2D but
  # calls it from printing and the Windows plugin whenever DirectWrite is on:
  # both stay off, and text is drawn through GDI.
  cmake -S "$srcdir" -B "$cache/qt-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$cache/mingw-toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_tabletevent=OFF \
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_network=OFF \
    -DFEATURE_direct2d=OFF -DFEATURE_directwrite=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF \
    -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
    -DFEATURE_system_doubleconversion=OFF \
    > "$cache/qt-configure.log" 2>&1 \
    || { tail -40 "$cache/qt-configure.log"; exit 1; }
  say "building Qt base (about 1,200 steps; progress every minute)"
  local t0=$SECONDS
  ninja -C "$cache/qt-build" -j "$jobs" > "$cache/qt-build.log" 2>&1 &
  local pid=$!
  trap "kill $pid 2>/dev/null" EXIT
  while kill -0 "$pid" 2>/dev/null; do
    sleep 60
    say "Qt: $(grep -o '^\[[0-9]*/[0-9]*\]' "$cache/qt-build.log" | tail -n1)"
  done
  wait "$pid" || { tail -40 "$cache/qt-build.log"; exit 1; }
  trap - EXIT
  ninja -C "$cache/qt-build" install > "$cache/qt-install.log" 2>&1
  echo "qt6-base $version, built in $(( (SECONDS - t0) / 60 )) min" > "$stamp"
  cp "$dsc" "$prefix/"
  say "Qt for Windows installed in $prefix ($(cat "$stamp"))"
}

to_windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# Runs a Windows program under Wine with Qt and the MinGW runtime on its path.
write_wine_runner() {
  local prefix runtime
  prefix="$(qt_prefix)"
  runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
  mkdir -p "$build"
  cat > "$build/wine-run" <<RUN
#!/usr/bin/env bash
export WINEDEBUG=\${WINEDEBUG:--all}
export WINEDLLOVERRIDES="\${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEPATH="$(to_windows_path "$prefix/bin");$(to_windows_path "$runtime");$(to_windows_path /usr/x86_64-w64-mingw32/lib)"
export QT_PLUGIN_PATH="$(to_windows_path "$prefix/plugins")"
exec wine "\$@"
RUN
  chmod +x "$build/wine-run"
  # The first start of Wine creates its prefix; done once, before anything is timed.
  [ -d "${WINEPREFIX:-$HOME/.wine}/drive_c" ] || { say "creating the Wine prefix"; WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 || true; }
}

# The Linux programs the exchange test compares against (emulator, command line).
build_host() {
  say "building the Linux emulator and command line for the comparison"
  cmake -S "$here" -B "$build/host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQX210_BUILD_TESTS=OFF >/dev/null
  cmake --build "$build/host" -j "$jobs" --target qx210-radio-sim qx210-cli >/dev/null
}

cross_build() {
  local prefix t0=$SECONDS
  prefix="$(qt_prefix)"
  say "cross-building qx210 for Windows into $build/win"
  cmake -S "$here" -B "$build/win" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" \
    -DQt6LinguistTools_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6LinguistTools \
    -DCMAKE_BUILD_TYPE=Release \
    -DQX210_BUILD_TESTS="${QX210_WIN_TESTS:-ON}" \
    -DQX210_BUILD_BENCHMARKS=OFF -DQX210_BUILD_SCREENSHOTS=OFF \
    -DQX210_GTEST_SOURCE_DIR=/usr/src/googletest \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$build/wine-run" \
    ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER} \
    > "$build/configure.log" 2>&1 || { tail -30 "$build/configure.log"; exit 1; }
  # $1, when given, limits the build to the test programs whose names start
  # with it (and what they need).
  local targets=()
  if [ -n "${1:-}" ]; then
    mapfile -t targets < <(ninja -C "$build/win" -t targets all | sed -n -E "s/^(($1)[A-Za-z0-9_]*): phony\$/--target \1/p" | tr ' ' '\n')
    [ ${#targets[@]} -gt 0 ] || { say "no test programs match $1"; exit 1; }
  fi
  cmake --build "$build/win" -j "$jobs" "${targets[@]}" > "$build/build.log" 2>&1 \
    || { grep -m20 -B2 -A8 'error' "$build/build.log"; exit 1; }
  say "cross-build done in $(( SECONDS - t0 )) s"
}

# Tests under Wine: every test of the cross build (core, command line,
# widgets offscreen) or those of the test programs whose names match $1.
run_tests() {
  local t0=$SECONDS
  say "running the tests under Wine${1:+ (programs matching $1)}"
  # One Wine session for all of them, started before the first: tests that
  # start while Wine sets itself up can take a minute more.
  wineserver -p 60 2>/dev/null || true
  "$build/wine-run" "$build/win/tools/cli/qx210-cli.exe" --version >/dev/null 2>&1 || true
  ctest --test-dir "$build/win" ${1:+-L "$1"} --no-tests=error --output-on-failure -j "$jobs" > "$build/ctest.log" 2>&1 \
    || { tail -60 "$build/ctest.log"; say "tests failed"; return 1; }
  tail -n 3 "$build/ctest.log"
  say "tests done in $(( SECONDS - t0 )) s"
}

# qx210-cli.exe reads and writes the Linux emulator through COM5, which Wine
# maps to the emulator's pseudo-terminal; the bytes must equal the Linux
# command line's.
com_port_exchange() {
  local sim="$build/host/tools/radio_sim/qx210-radio-sim" cli="$build/host/tools/cli/qx210-cli"
  local work="$build/exchange" golden="${QX210_WIN_GOLDEN:-$here/tests/gui/data/goldens/input/R01_UHF_FULL_MIXED_TONES.DAT}"
  rm -rf "$work" && mkdir -p "$work"
  local memory=()
  [ -e "$golden" ] && memory=(--memory "$golden")
  say "COM5 exchange with the emulator (memory: ${golden##*/})"
  "$sim" "${memory[@]}" --link "$work/radio" > "$work/sim.out" 2>&1 &
  local sim_pid=$!
  for _ in $(seq 50); do [ -e "$work/radio" ] && break; sleep 0.1; done
  local dosdevices="${WINEPREFIX:-$HOME/.wine}/dosdevices"
  ln -sfn "$(readlink -f "$work/radio")" "$dosdevices/com5"
  local status=0
  "$cli" read --port "$work/radio" --out "$work/linux.DAT" > "$work/linux-read.log" 2>&1 || status=1
  (cd "$work" && "$build/wine-run" "$build/win/tools/cli/qx210-cli.exe" read --port COM5 --out windows.DAT) \
    > "$work/windows-read.log" 2>&1 || status=1
  if [ $status = 0 ] && cmp "$work/linux.DAT" "$work/windows.DAT"; then
    say "read through COM5: $(stat -c %s "$work/windows.DAT") bytes, the same as the Linux command line's"
  else
    say "read through COM5 FAILED"; cat "$work/windows-read.log"; status=1
  fi
  kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null || true
  # Each command line writes that file to a blank radio, which is then read
  # back: the two radios must hold the same bytes.
  local side
  for side in linux windows; do
    [ $status = 0 ] || break
    rm -f "$work/radio"
    "$sim" --link "$work/radio" > "$work/sim-$side.out" 2>&1 &
    sim_pid=$!
    for _ in $(seq 50); do [ -e "$work/radio" ] && break; sleep 0.1; done
    ln -sfn "$(readlink -f "$work/radio")" "$dosdevices/com5"
    if [ $side = linux ]; then
      "$cli" write --port "$work/radio" --in "$work/linux.DAT" --force-band > "$work/linux-write.log" 2>&1 || status=1
    else
      (cd "$work" && "$build/wine-run" "$build/win/tools/cli/qx210-cli.exe" write --port COM5 --in windows.DAT --force-band) \
        > "$work/windows-write.log" 2>&1 || status=1
    fi
    "$cli" read --port "$work/radio" --out "$work/after-$side-write.DAT" > /dev/null 2>&1 || status=1
    kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null || true
  done
  if [ $status = 0 ] && cmp "$work/after-linux-write.DAT" "$work/after-windows-write.DAT"; then
    say "write through COM5: the radio holds the same bytes as after the Linux command line's write"
  else
    say "write through COM5 FAILED"; cat "$work/windows-write.log"; status=1
  fi
  rm -f "$dosdevices/com5"
  return $status
}

# Copies into $2 the DLLs that $1 imports, found in Qt's and MinGW's folders
# (Windows' own DLLs are not found there and stay out), and theirs in turn.
copy_imports() {
  local file="$1" dest="$2" prefix runtime dll found dir
  prefix="$(qt_prefix)"
  runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
  for dll in $(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
    [ -e "$dest/$dll" ] && continue
    found=""
    for dir in "$prefix/bin" "$runtime" /usr/x86_64-w64-mingw32/lib; do
      [ -e "$dir/$dll" ] && { found="$dir/$dll"; break; }
    done
    [ -n "$found" ] || continue
    cp "$found" "$dest/"
    copy_imports "$dest/$dll" "$dest"
  done
}

package() {
  local prefix version stage_dir out t0=$SECONDS
  prefix="$(qt_prefix)"
  version="$(sed -n 's/^project(qx210 VERSION \([^ ]*\).*/\1/p' "$here/CMakeLists.txt")"
  out="$build/dist"
  stage_dir="$build/stage/qx210-$version"
  rm -rf "$build/stage" && mkdir -p "$stage_dir" "$out"
  say "packaging qx210 $version"
  cp "$build/win/src/app/qx210.exe" "$build/win/tools/cli/qx210-cli.exe" "$stage_dir/"
  cp "$build/win/src/app/"*.html "$stage_dir/"
  cp -r "$build/win/src/app/plans" "$stage_dir/"
  mkdir -p "$stage_dir/platforms" "$stage_dir/styles"
  cp "$prefix/plugins/platforms/qwindows.dll" "$stage_dir/platforms/"
  [ -e "$prefix/plugins/styles/qwindowsvistastyle.dll" ] && cp "$prefix/plugins/styles/qwindowsvistastyle.dll" "$stage_dir/styles/"
  local pe
  for pe in "$stage_dir"/*.exe "$stage_dir"/platforms/*.dll "$stage_dir"/styles/*.dll; do copy_imports "$pe" "$stage_dir"; done
  x86_64-w64-mingw32-strip --strip-unneeded "$stage_dir"/*.exe "$stage_dir"/*.dll "$stage_dir"/*/*.dll
  # Licences: the program's, Qt's (LGPL-3.0, which builds on the GPL-3.0) and
  # where Qt's sources come from.
  cp "$here/LICENSE" "$stage_dir/LICENSE.txt"
  mkdir -p "$stage_dir/licenses"
  cp /usr/share/common-licenses/LGPL-3 "$stage_dir/licenses/Qt-LGPL-3.0.txt"
  cp /usr/share/common-licenses/GPL-3 "$stage_dir/licenses/GPL-3.0.txt"
  cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage_dir/licenses/MinGW-runtime-copyright.txt" 2>/dev/null || true
  cat > "$stage_dir/licenses/SOURCES.txt" <<NOTE
qx210 $version for Windows (x86_64).

qx210 is free software under the GNU General Public License, version 3 or
(at your option) any later version: LICENSE.txt.

The Qt libraries in this folder (Qt6Core, Qt6Gui, Qt6Widgets, Qt6PrintSupport
and the plugins) come under the GNU Lesser General Public License version 3
(Qt-LGPL-3.0.txt, with GPL-3.0.txt which it builds on). They were built,
unchanged, from Debian's source package $(cut -d, -f1 "$prefix/.qx210-stamp")
(https://sources.debian.org/src/qt6-base/), with the MinGW-w64 compilers of
Debian 12; "apt-get source qt6-base" on Debian 12 fetches the same sources.
The C++ runtime DLLs (libstdc++-6, libgcc_s_seh-1, libwinpthread-1) come from
Debian's MinGW-w64 packages (GCC runtime library exception): see
MinGW-runtime-copyright.txt.
NOTE
  sed -i 's/$/\r/' "$stage_dir/licenses/SOURCES.txt"
  local zip="$out/qx210-$version-windows-x64.zip"
  rm -f "$zip"
  (cd "$build/stage" && zip -qr9 "$zip" "qx210-$version")
  local setup="$out/qx210-$version-windows-x64-setup.exe"
  makensis -V2 -DVERSION="$version" -DSTAGE="$stage_dir" -DOUTFILE="$setup" \
    -DHELPFILE="$(basename "$(ls "$stage_dir"/*.html | head -n1)")" \
    "$here/packaging/windows/qx210.nsi" > "$build/nsis.log" 2>&1 || { tail -30 "$build/nsis.log"; exit 1; }
  say "packaged in $(( SECONDS - t0 )) s:"
  say "  $setup ($(du -h "$setup" | cut -f1))"
  say "  $zip ($(du -h "$zip" | cut -f1))"
}

# The installer under Wine, silently for the current user: the program runs
# from where it was installed, the Start menu has it and the guide, .DAT files
# are associated, and the uninstaller leaves none of these behind.
installer_check() {
  local setup user folder menu status=0
  setup="$(ls "$build"/dist/qx210-*-windows-x64-setup.exe | head -n1)"
  user="$(winepath -u 'C:\users' 2>/dev/null)/$(id -un)"
  folder="$user/AppData/Local/Programs/QX-210 Radio Software"
  menu="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/QX-210 Radio Software"
  say "installing ${setup##*/} under Wine (current user, silent)"
  WINEDEBUG=-all wine "$setup" /S /CurrentUser || status=1
  if [ $status = 0 ] && WINEDEBUG=-all wine "$folder/qx210-cli.exe" --version | grep -q '^qx210-cli ' \
     && [ -e "$menu/QX-210 Radio Software.lnk" ] && [ -e "$menu/User guide.lnk" ] \
     && WINEDEBUG=-all wine reg query 'HKCU\Software\Classes\.DAT' 2>/dev/null | grep -q 'qx210.DataFile'; then
    say "installed: the command line runs from $folder; the Start menu has the program and the guide; .DAT opens with the program"
  else
    say "installer check FAILED"; status=1
  fi
  WINEDEBUG=-all wine "$folder/uninstall.exe" /S 2>/dev/null || true
  # The uninstaller runs on from a copy of itself in the temporary folder.
  for _ in $(seq 30); do [ -e "$folder" ] || break; sleep 0.5; done
  if [ -e "$folder" ] || [ -e "$menu" ] || WINEDEBUG=-all wine reg query 'HKCU\Software\Classes\.DAT' >/dev/null 2>&1; then
    say "uninstall FAILED: left $(ls -A "$folder" 2>/dev/null | tr '\n' ' ')"; status=1
  else
    say "uninstalled: nothing left behind"
  fi
  return $status
}

# qx210.exe of the portable folder (nothing but what the zip holds, so this
# also shows that it is complete) under Wine with the Windows platform plugin
# on Xvfb, a data file opened: a picture of the window for the README.
screenshot() {
  local out="${1:-$here/docs/screenshots/main_window_windows.png}"
  local golden="${QX210_WIN_GOLDEN:-$here/tests/gui/data/goldens/input/R01_UHF_FULL_MIXED_TONES.DAT}"
  local file=()
  [ -e "$golden" ] && { cp "$golden" "$build/screenshot.DAT"; file=("$(to_windows_path "$build/screenshot.DAT")"); }
  # A Wine session still running without a display (the uninstaller's, say)
  # would take the window: let it end first.
  timeout 60 wineserver -w 2>/dev/null || wineserver -k 2>/dev/null || true
  say "starting qx210.exe under Wine on Xvfb"
  xvfb-run -a -s "-screen 0 1024x700x24" bash -c '
    WINEDEBUG=-all QT_QPA_PLATFORM=windows "$0" "$1" ${3:+"$3"} >/dev/null 2>&1 &
    pid=$!
    sleep "${QX210_WIN_SETTLE:-25}"
    import -window root "$2"
    convert "$2" -bordercolor black -border 1 -trim +repage "$2"
    kill "$pid" 2>/dev/null; wineserver -k 2>/dev/null || true
  ' "$(command -v wine)" "$(ls -d "$build"/stage/qx210-*/qx210.exe | head -n1)" "$out" "${file[@]}"
  # An empty screen trims to almost nothing: the window did not show.
  if [ "$(identify -format %w "$out" 2>/dev/null || echo 0)" -lt 400 ]; then
    say "screenshot FAILED: the window did not show"; return 1
  fi
  say "screenshot: $out"
}

case "$stage" in
  toolchain) install_toolchain ;;
  qt) install_toolchain; build_qt ;;
  build) write_wine_runner; cross_build ;;
  test)
    write_wine_runner
    failed=0
    run_tests "${2:-}" || failed=1
    build_host
    com_port_exchange || failed=1
    exit $failed ;;
  ci)
    # The core and command-line tests only, for .ci/run.
    write_wine_runner
    cross_build 'core_|cli_'
    run_tests '^(core|cli)_' ;;
  package) write_wine_runner; package; installer_check ;;
  screenshot) write_wine_runner; screenshot "${2:-}" ;;
  all)
    install_toolchain; build_qt; write_wine_runner; cross_build
    failed=0
    run_tests || failed=1
    build_host
    com_port_exchange || failed=1
    package
    installer_check || failed=1
    screenshot "$build/dist/main_window_windows.png" || failed=1
    say "the installer and the zip are in $build/dist"
    [ $failed = 0 ] || say "some checks under Wine failed (see above)"
    exit $failed ;;
  *) echo "usage: $0 [all|toolchain|qt|build|test [programs]|package|screenshot [file]|ci]" >&2; exit 2 ;;
esac
