#!/usr/bin/env bash
# kivhost.exe from its command line, as users and acceptance checks run it.
# Usage: host_cli_tests.sh ROOT BUILD_DIR
set -uo pipefail
root=$1
build=$2
prefix="$build/wineprefix"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$build/bin"
host() { "$root/tools/wine-run.sh" "$prefix" ./kivhost.exe "$@"; }
failures=0
check() {  # check NAME CONDITION-TEXT EXPECTED ACTUAL
  if [ "$3" != "$4" ]; then
    echo "FAIL $1: $2"
    echo "  expected: $3"
    echo "  actual:   $4"
    failures=$((failures + 1))
  else
    echo "ok   $1"
  fi
}

# --exec prints the bundled default sky's answers, one line per command.
answers=$(host --exec "? SkyLight.Visible" --exec "? ArtificialSatellite.25544.LocalName" --exec "? No.Such.Key" | tr -d '\r')
check exec "answers of the default sky" $'TRUE\n国際宇宙ステーション\n' "$answers"$'\n'

# A saved state reloads to the identical state, changes included.
host --exec "SkyLight.Visible = FALSE" --exec "New ArtificialSatellite.99999" \
     --exec 'ArtificialSatellite.99999.TLEName = "TEST SAT"' --save-state "$work/first.kiv" >/dev/null
host --state "$work/first.kiv" --save-state "$work/second.kiv" >/dev/null
check state-roundtrip "a saved state saves again unchanged" "$(md5sum < "$work/first.kiv")" "$(md5sum < "$work/second.kiv")"
check state-change "the change is in the saved state" "FALSE" \
      "$(host --state "$work/first.kiv" --exec "? SkyLight.Visible" | tr -d '\r')"

# The sky light dialog scripted from the command line: exit code and statements in order.
host --open CDlgTwilight --do "click 1501" --do "slide 1050 7" --do ok --journal "$work/journal.txt" >/dev/null
check twilight-exit "OK exits with 0" 0 $?
statements=$(grep '^> ' "$work/journal.txt" | grep -v '^> ? ' | cut -c3- | tr -d '\r')
expected=$(cat <<'TXT'
SkyLight.Visible = TRUE
SkyLight.Twilight.Visible = TRUE
SkyLight.Moonlight.Visible = TRUE
SkyLight.Groundlight.Visible = FALSE
SkyLight.LightPollution.Visible = TRUE
SkyLight.LightPollution.Strength = 0.7
Show Stellar
TXT
)
check twilight-statements "the statements of OK, in order" "$expected" "$statements"

host --open CDlgTwilight --do cancel >/dev/null
check cancel-exit "Cancel exits with 1" 1 $?
host --open CDlgNoSuchDialog >/dev/null 2>&1
check unknown-dialog "an unknown dialog exits with 2" 2 $?
host --open CDlgTwilight --do "frobnicate 3" >/dev/null 2>&1
check bad-action "a bad action exits with 2" 2 $?
host --state "$work/missing.kiv" --exec "? SkyLight.Visible" >/dev/null 2>&1
check missing-state "a missing state file exits with 2" 2 $?

# A soak of every dialog, plainly and against a hostile host: one line each, and no growth.
dialogs=$(host --list | wc -l)
# Seed 5 soaks every dialog in about a minute; seeds whose count answers list a million rows take
# several (such counts are the hostile_count test's).
for seed in none 5; do
  extra=(); [ "$seed" = none ] || extra=(--hostile "$seed")
  soak=$(host --soak 30 "${extra[@]}" --open all | tr -d '\r')
  rc=$?
  check "soak-$seed-exit" "no dialog grew (exit 0)" 0 "$rc"
  check "soak-$seed-lines" "one line per dialog" "$dialogs" "$(grep -c '^soak C[A-Za-z0-9]* cycles=30 gdi=+0 user=+0 ms=' <<<"$soak")"
done
host --soak 0 --open all >/dev/null 2>&1
check soak-bad "a soak of no cycles exits with 2" 2 $?
host --hostile x --open CDlgTwilight >/dev/null 2>&1
check hostile-bad "a seed that is no number exits with 2" 2 $?
host --hostile 9 --open CDlgGrid --do ok --journal "$work/hostile.txt" >/dev/null
check hostile-journal "hostile answers are journaled" 1 "$(grep -c -m1 '^# hostile ' "$work/hostile.txt")"

# The main job's headless tour writes a picture and a journal of every dialog in both looks.
count=$(bash "$root/tools/tour.sh" "$build" "$work/tour")
pictures=$(ls "$work/tour"/*.png | wc -l)
check tour "two pictures per dialog" $((count * 2)) "$pictures"

exit $((failures > 0))
