#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks the installed tree as a
# desktop would see it: every file in place, the desktop entry, AppStream data
# and MIME entry valid, the manual pages render without warnings and name
# every verb and option the programs have, the icons have their sizes, and the
# installed programs run without a display and find their user guide and the
# channel plans.
#   scripts/check-install.sh BUILD-DIR [PREFIX]
# PREFIX defaults to BUILD-DIR/install-check (emptied first). CTest runs this
# as the test "install_tree".
set -euo pipefail

build="$(cd "${1:?usage: scripts/check-install.sh BUILD-DIR [PREFIX]}" && pwd)"
prefix="${2:-$build/install-check}"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
ok() { echo "ok:   $*"; }

for tool in desktop-file-validate appstreamcli man xmllint; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (run scripts/install-deps.sh test)" >&2; exit 1; }
done

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
echo "Installed into $prefix"

app_id="$(sed -n 's/^Icon=//p' "$prefix"/share/applications/*.desktop | head -n 1)"
[[ -n "$app_id" ]] || { echo "FAIL: no desktop entry with an icon" >&2; exit 1; }
guide="$prefix/share/doc/qx210/ZERATH QX-210 Radio Software V1.80.html"
# Every place that names the version gives the one of the window's title.
version=1.80

expected=(
  bin/qx210 bin/qx210-cli bin/qx210-radio-sim
  "share/applications/$app_id.desktop"
  "share/metainfo/$app_id.metainfo.xml"
  share/mime/packages/qx210.xml
  "share/icons/hicolor/scalable/apps/$app_id.svg"
  share/man/man1/qx210.1.gz share/man/man1/qx210-cli.1.gz share/man/man1/qx210-radio-sim.1.gz
  "share/doc/qx210/ZERATH QX-210 Radio Software V1.80.html"
  share/doc/qx210/copyright share/doc/qx210/changelog.gz
)
plans=(pmr446 frs gmrs business-uhf murs)
for plan in "${plans[@]}"; do expected+=("share/qx210/plans/$plan.csv"); done
for size in 16 22 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png"); done
for file in "${expected[@]}"; do
  [[ -e "$prefix/$file" ]] || fail "$file is not installed"
done
ok "${#expected[@]} files in place"

# Nothing lands in bin/ but the programs.
extra="$(find "$prefix/bin" -type f ! -name 'qx210*')"
[[ -z "$extra" ]] || fail "unexpected files in bin/: $extra"

desktop="$prefix/share/applications/$app_id.desktop"
if out="$(desktop-file-validate "$desktop" 2>&1)" && [[ -z "$out" ]]; then ok "desktop-file-validate"; else fail "desktop-file-validate: $out"; fi
exec_name="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
[[ -x "$prefix/bin/$exec_name" ]] || fail "Exec=$exec_name is not an installed program"
mime_type="$(sed -n 's/^MimeType=\([^;]*\);.*/\1/p' "$desktop")"
grep -q "type=\"$mime_type\"" "$prefix/share/mime/packages/qx210.xml" || fail "MimeType=$mime_type is not defined by qx210.xml"

if out="$(appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" 2>&1)"; then
  ok "appstreamcli validate"
else
  fail "appstreamcli validate: $out"
fi

if out="$(xmllint --noout "$prefix/share/mime/packages/qx210.xml" 2>&1)"; then ok "MIME entry is well-formed"; else fail "$out"; fi
if command -v update-mime-database >/dev/null; then
  data_dir="$(mktemp -d)"
  mkdir -p "$data_dir/mime/packages"
  cp "$prefix/share/mime/packages/qx210.xml" "$data_dir/mime/packages/"
  if out="$(XDG_DATA_HOME="$data_dir" XDG_DATA_DIRS="$data_dir" update-mime-database "$data_dir/mime" 2>&1)" &&
     [[ -z "$out" ]] && grep -q "$mime_type" "$data_dir/mime/types"; then
    ok "update-mime-database takes the MIME entry"
  else
    fail "update-mime-database: $out"
  fi
  rm -rf "$data_dir"
fi

grep -qF "<release version=\"$version\"" "$prefix/share/metainfo/$app_id.metainfo.xml" ||
  fail "the AppStream release is not version $version"
for page in "$prefix"/share/man/man1/*.1.gz; do
  zcat "$page" | grep "^\.TH " | grep -qF "\"qx210 $version\"" || fail "$(basename "$page") does not name version $version"
  if out="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)" && [[ -z "$out" ]]; then
    ok "man --warnings $(basename "$page")"
  else
    fail "$(basename "$page") renders with warnings: $out"
  fi
done

# PNG width and height are bytes 16..23 of the file, big-endian.
for png in "$prefix"/share/icons/hicolor/*x*/apps/*.png; do
  size="$(basename "$(dirname "$(dirname "$png")")")"
  actual="$(od -An -tu1 -j16 -N8 "$png" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }')"
  [[ "$actual" == "$size" ]] || fail "$png is $actual"
done
ok "icon sizes"

# The installed programs, with no display at all.
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$prefix/home")
for program in qx210 qx210-cli qx210-radio-sim; do
  if out="$("${nodisplay[@]}" "$prefix/bin/$program" --version 2>&1)" && [[ "$out" == "$program $version" ]]; then
    ok "$program --version: $out"
  else
    fail "$program --version: $out"
  fi
done
help="$("${nodisplay[@]}" "$prefix/bin/qx210" --help 2>&1)" || fail "qx210 --help failed: $help"
if grep -qF "User guide: $guide" <<<"$help" && ! grep -q "not installed" <<<"$help"; then
  ok "the installed qx210 finds its user guide"
else
  fail "qx210 --help does not name the installed guide $guide: $help"
fi

# The installed command line finds the installed plans, and a plan makes a data file.
mkdir -p "$prefix/home"
listed="$(env -u XDG_DATA_HOME "${nodisplay[@]}" "$prefix/bin/qx210-cli" import --plan list 2>/dev/null | cut -f1 | sort | tr '\n' ' ')"
if [[ "$listed" == "$(printf '%s\n' "${plans[@]}" | sort | tr '\n' ' ')" ]]; then
  ok "the installed qx210-cli lists the plans: $listed"
else
  fail "qx210-cli import --plan list gives '$listed', not the installed plans ${plans[*]}"
fi
if out="$(env -u XDG_DATA_HOME "${nodisplay[@]}" "$prefix/bin/qx210-cli" import --plan pmr446 --out "$prefix/home/pmr446.DAT" 2>&1)"; then
  ok "qx210-cli import --plan pmr446: $out"
else
  fail "qx210-cli import --plan pmr446: $out"
fi

# The manual pages keep up with the programs: every verb of qx210-cli and
# every option of each program is mentioned in its page.
page_text() { LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$prefix/share/man/man1/$1.1.gz" 2>/dev/null | col -b; }
long_options() { "${nodisplay[@]}" "$prefix/bin/$1" "${@:2}" --help 2>/dev/null | grep -oE '^ +(-[a-zA-Z?], )?--[a-z][a-z-]*' | grep -oE -- '--[a-z-]+' | grep -vE -- '--(help|help-all|version)$' || true; }
sim_page="$(page_text qx210-radio-sim)"
for option in $(long_options qx210-radio-sim); do
  grep -qF -- "$option" <<<"$sim_page" || fail "qx210-radio-sim(1) does not mention $option"
done
cli_page="$(page_text qx210-cli)"
verbs="$("${nodisplay[@]}" "$prefix/bin/qx210-cli" --help | sed -n '/^Verbs:/,/^$/p' | grep -oE '^  [a-z]+' | tr -d ' ')"
[[ -n "$verbs" ]] || fail "qx210-cli --help lists no verbs"
for verb in $verbs; do
  grep -qE "^ +$verb( |$)" <<<"$cli_page" || fail "qx210-cli(1) does not describe the verb $verb"
  for option in $(long_options qx210-cli "$verb"); do
    grep -qF -- "$option" <<<"$cli_page" || fail "qx210-cli(1) does not mention $option of $verb"
  done
done
ok "manual pages name every verb and option"

if ((failures)); then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "The installed tree is complete."
