#!/usr/bin/env bash
# Runs or verifies every shell command of README.md, so that none can go stale.
#
#   scripts/check-readme.sh BUILD-DIR      quick check (CTest: readme_commands)
#   scripts/check-readme.sh --full         on a clean clone: also runs the
#                                          project scripts the README names
#                                          (run.sh, test.sh, package.sh)
#
# Every fenced block of shell commands (```sh) in the README is preceded by a
# marker that says how it is checked:
#
#   <!-- check: run -->         run as written, in a scratch folder whose
#                               HOME is empty; must succeed within 2 minutes
#   <!-- check: background ready-file=PATH -->
#                               started and left running (like a command in a
#                               second terminal) until PATH exists; stopped
#                               with Ctrl+C (SIGINT) at the end of its section
#                               (the next "## " heading), must end cleanly then
#   <!-- check: options -->     each line is a command of ours that needs a
#                               radio or a port; it is run with --help added,
#                               which fails on an unknown verb or option
#   <!-- check: system -->      commands for the user's own system (sudo, apt,
#                               adduser): each program must exist; with --full,
#                               every ./path they name must exist as well
#   <!-- check: script -->      a project script (scripts/...); quick: it
#                               exists, is executable and parses; --full: runs
#                               it in the clone. Add keeps-running for one that
#                               ends by starting the window: it must still run
#                               3 s after it says "== Starting".
#
# A marker may add needs=PROGRAM:--OPTION: while PROGRAM's --help lacks that
# option, the block and the rest of its section are skipped with a message,
# and the check ends with status 77 (skipped) unless something failed.
#
# In the scratch folder, "build" stands for the build directory, and the
# programs of the build (and ~/.local/bin) come first on PATH.
#
# Every channel plan the README names must be one that qx210-cli offers.
set -uo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
readme="$root/README.md"
full=0
if [[ "${1:-}" == "--full" ]]; then
  full=1
  build="$root/build"
else
  build="$(cd "${1:?usage: scripts/check-readme.sh BUILD-DIR | --full}" && pwd)"
fi

scratch="$(mktemp -d)"
background_pids=()
cleanup() {
  for pid in "${background_pids[@]}"; do kill -INT -- "-$pid" 2>/dev/null; done
  rm -rf "$scratch"
}
trap cleanup EXIT

failures=0
skipped=0
fail() { echo "FAIL (README.md:$line): $*" >&2; failures=$((failures + 1)); }
ok() { echo "ok   (README.md:$line): $*"; }

# Splits the README into blocks: $scratch/blocks/N.sh with N.meta holding
# "line<TAB>section<TAB>language<TAB>marker".
mkdir -p "$scratch/blocks" "$scratch/home" "$scratch/work"
awk -v out="$scratch/blocks" '
  /^## / { section++ }
  /^<!-- check:.*-->$/ && !inblock { marker = $0; sub(/^<!-- check: */, "", marker); sub(/ *-->$/, "", marker); next }
  /^```/ && !inblock {
    inblock = 1; n++; language = substr($0, 4)
    printf "%d\t%d\t%s\t%s\n", NR, section, language, marker > (out "/" n ".meta")
    printf "" > (out "/" n ".sh")
    marker = ""; next
  }
  /^```/ && inblock { inblock = 0; next }
  inblock { print > (out "/" n ".sh"); next }
  /[^ ]/ { marker = "" }
' "$readme"

ln -s "$build" "$scratch/work/build"
export HOME="$scratch/home"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=offscreen
export PATH="$build/src/app:$build/tools/cli:$build/tools/radio_sim:$HOME/.local/bin:$PATH"

attribute() {  # marker, name -> value
  sed -nE "s/.*(^| )$2=([^ ]*).*/\2/p" <<<"$1"
}
expand_home() { sed "s|^~/|$HOME/|; s|^~\$|$HOME|" <<<"$1"; }

stop_background() {
  for pid in "${background_pids[@]}"; do
    kill -INT -- "-$pid" 2>/dev/null
    local waited=0
    while kill -0 "$pid" 2>/dev/null && ((waited < 50)); do sleep 0.1; waited=$((waited + 1)); done
    if kill -0 "$pid" 2>/dev/null; then
      kill -KILL -- "-$pid" 2>/dev/null
      echo "FAIL: a background command of the README did not end on Ctrl+C" >&2
      failures=$((failures + 1))
    else
      wait "$pid"
      local status=$?
      if ((status != 0 && status != 130)); then
        echo "FAIL: a background command of the README ended with status $status on Ctrl+C:" >&2
        cat "$scratch/background-$pid.log" >&2
        failures=$((failures + 1))
      fi
    fi
  done
  background_pids=()
}

our_program() { [[ "$1" == qx210 || "$1" == qx210-cli || "$1" == qx210-radio-sim ]]; }

current_section=0
skip_section=-1
count=0
for meta in $(ls "$scratch"/blocks/*.meta | sort -V); do
  IFS=$'\t' read -r line section language marker <"$meta"
  block="${meta%.meta}.sh"
  if ((section != current_section)); then
    stop_background
    current_section=$section
  fi
  case "$language" in
    sh | bash | shell | console) ;;
    *)
      [[ -z "$marker" ]] || fail "a check marker before a \`\`\`$language block"
      continue
      ;;
  esac
  count=$((count + 1))
  mode="${marker%% *}"
  if [[ -z "$mode" ]]; then
    fail "shell block without a <!-- check: ... --> marker"
    continue
  fi
  if ((section == skip_section)); then
    echo "SKIP (README.md:$line): the rest of this section waits for the same option"
    continue
  fi
  needs="$(attribute "$marker" needs)"
  if [[ -n "$needs" ]] && ! "${needs%%:*}" --help 2>/dev/null | grep -qE -- "(^| )${needs#*:}( |$)"; then
    echo "SKIP (README.md:$line): ${needs%%:*} has no ${needs#*:} option yet; this section is not checked"
    skipped=$((skipped + 1))
    skip_section=$section
    continue
  fi

  case "$mode" in
    run)
      if out="$(cd "$scratch/work" && timeout 120 bash -euo pipefail "$block" 2>&1)"; then
        ok "ran: $(tr '\n' ';' <"$block")"
      else
        fail "this block failed:"$'\n'"$(cat "$block")"$'\n'"--- output:"$'\n'"$out"
      fi
      ;;
    background)
      ready="$(expand_home "$(attribute "$marker" ready-file)")"
      [[ -n "$ready" ]] || { fail "background block without ready-file="; continue; }
      (cd "$scratch/work" && exec setsid bash -euo pipefail "$block") >"$scratch/background.log" 2>&1 &
      pid=$!
      mv "$scratch/background.log" "$scratch/background-$pid.log"
      background_pids+=("$pid")
      waited=0
      while [[ ! -e "$ready" ]] && kill -0 "$pid" 2>/dev/null && ((waited < 200)); do sleep 0.1; waited=$((waited + 1)); done
      if [[ -e "$ready" ]]; then
        ok "started: $(tr '\n' ';' <"$block")"
      else
        fail "the background block never made $ready:"$'\n'"$(cat "$scratch/background-$pid.log")"
      fi
      ;;
    options)
      while read -r -a words; do
        [[ ${#words[@]} -eq 0 || "${words[0]}" == \#* ]] && continue
        if ! our_program "${words[0]}"; then
          fail "'${words[*]}' is not a command of ours; use another check mode"
        elif out="$(cd "$scratch/work" && "${words[@]}" --help 2>&1)"; then
          ok "options accepted: ${words[*]}"
        else
          fail "'${words[*]}' is refused by the program:"$'\n'"$out"
        fi
      done <"$block"
      ;;
    system)
      while read -r -a words; do
        [[ ${#words[@]} -eq 0 || "${words[0]}" == \#* ]] && continue
        program="${words[0]}"
        [[ "$program" == sudo ]] && program="${words[1]}"
        if ! command -v "$program" >/dev/null; then
          fail "'$program' does not exist on this system"
          continue
        fi
        if ((full)); then
          for word in "${words[@]}"; do
            [[ "$word" == ./* ]] || continue
            matches=( $(cd "$root" && compgen -G "$word") )
            ((${#matches[@]} == 1)) || fail "'$word' should name one file after the README's steps, found ${#matches[@]}"
          done
        fi
        ok "for the user's system: ${words[*]}"
      done <"$block"
      ;;
    script)
      read -r -a words <"$block"
      script="${words[0]}"
      if [[ "$script" != scripts/* || ! -x "$root/$script" ]] || ! bash -n "$root/$script"; then
        fail "'$script' is not an executable project script that parses"
        continue
      fi
      if ((!full)); then
        ok "project script exists (runs with --full): ${words[*]}"
      elif [[ " $marker " == *" keeps-running "* ]]; then
        log="$scratch/script.log"
        (cd "$root" && exec setsid "${words[@]}") >"$log" 2>&1 &
        pid=$!
        waited=0
        while ! grep -q '^== Starting' "$log" && kill -0 "$pid" 2>/dev/null && ((waited < 3600)); do sleep 1; waited=$((waited + 1)); done
        sleep 3
        if kill -0 "$pid" 2>/dev/null && grep -q '^== Starting' "$log"; then
          ok "ran and kept running: ${words[*]}"
          kill -TERM -- "-$pid" 2>/dev/null
          wait "$pid" 2>/dev/null
        else
          fail "${words[*]} did not keep running:"$'\n'"$(tail -n 30 "$log")"
        fi
      else
        if (cd "$root" && "${words[@]}") >"$scratch/script.log" 2>&1; then
          ok "ran: ${words[*]}"
        else
          fail "${words[*]} failed:"$'\n'"$(tail -n 30 "$scratch/script.log")"
        fi
      fi
      ;;
    *)
      fail "unknown check mode '$mode'"
      ;;
  esac
done
stop_background

# Every plan the README names (`--plan NAME`, or `NAME` in the first column
# of the plan table) is one that the build offers.
offered="$(cd "$scratch/work" && qx210-cli import --plan list 2>/dev/null | cut -f1)"
named="$( (grep -oE -- '--plan [a-z0-9-]+' "$readme" | cut -d' ' -f2
           sed -n '/^| Plan |/,/^$/s/^| `\([a-z0-9-]*\)` |.*/\1/p' "$readme") | sort -u)"
for plan in $named; do
  [[ "$plan" == list ]] && continue
  line="$(grep -nE -m1 -- "(--plan |\| \`)$plan" "$readme" | cut -d: -f1)"
  if grep -qxF -- "$plan" <<<"$offered"; then
    ok "qx210-cli import --plan list offers $plan"
  else
    fail "the README names the plan $plan, which qx210-cli import --plan list does not offer"
  fi
done

if ((count == 0)); then
  echo "FAIL: README.md has no shell block at all" >&2
  exit 1
fi
if ((failures)); then
  echo "$failures README check(s) failed" >&2
  exit 1
fi
if ((skipped)); then
  echo "README commands: checked, $skipped section(s) skipped (see SKIP above)"
  exit 77
fi
echo "Every shell block of README.md checked ($count)."
