#!/usr/bin/env bash
# A whole game under a virtual X display, played with xdotool to its last
# ball: the planner chooses every shot on the game's own code, the game runs
# with its clock fixed to the plan's seed and gets the plan's keys, one shot
# at a time once the picture has come to rest. At the end the table must be
# empty, the status line the one the plan ends with, no other window open and
# nothing written to standard error.
#   whole_game_e2e.sh QUORVIL_EXECUTABLE TOOLS_DIR WORK_DIR [SEED]
# TOOLS_DIR is the build's tests/e2e folder (the planner and the clock);
# quorvil-sim is found beside the game in ../tools.
set -euo pipefail

game=$(realpath "$1")
tools=$(realpath "$2")
work=$3
seed=${4:-20261211}
sim=$(realpath "$(dirname "$game")/../tools/quorvil-sim")
mkdir -p "$work"
work=$(realpath "$work")
# In a sanitizer build, what the system's libraries keep for the life of the
# process is theirs, not a leak of the game's.
export LSAN_OPTIONS="suppressions=$(dirname "$(realpath "$0")")/../sanitizer/lsan.supp:print_suppressions=0"

rm -f "$work"/*.png

fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/game.log" ] && sed 's/^/game: /' "$work/game.log" >&2
  exit 1
}

game_pid=""
xvfb_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

echo "planning the game for seed $seed"
"$tools/whole_game_planner" "$seed" >"$work/plan.sim" 2>"$work/plan.log"
tail -n1 "$work/plan.log"

# The display, and a runtime folder as a desktop session has one.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

# The clock goes in front of the game.
source "$(dirname "$(realpath "$0")")/game_preload.sh"
preload=$(game_preload "$game" "$tools/libquorvil_fixed_clock.so")
(cd "$work" && LD_PRELOAD="$preload" QUORVIL_FIXED_CLOCK="$seed" LIBGL_ALWAYS_SOFTWARE=1 \
  exec "$game" >"$work/game.log" 2>&1) &
game_pid=$!

window=""
for _ in $(seq 600); do
  window=$(xdotool search --onlyvisible --name '^Quorvil 1\.0032' 2>/dev/null | head -n1 || true)
  [ -n "$window" ] && break
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended before its window showed"
  sleep 0.1
done
[ -n "$window" ] || fail "no game window"
xdotool windowfocus --sync "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
crop="${WIDTH}x${HEIGHT}+${X}+${Y}"
shot() { import -window root -crop "$crop" +repage "$work/$1.png"; }
# Pocketed balls keep turning in the tray: the pictures are compared without
# it. Its place is where two of quorvil-sim's frames of the plan's end, one
# turn apart, differ, widened by a ball's size.
sed '/^dump$/d' "$work/plan.sim" >"$work/end_snaps.sim"
for frame in a b; do echo "snap $WIDTH $HEIGHT $work/end_planned_$frame.png"; done >>"$work/end_snaps.sim"
"$sim" <"$work/end_snaps.sim" >/dev/null
convert "$work/end_planned_a.png" "$work/end_planned_b.png" -compose difference -composite \
  -separate -evaluate-sequence max -threshold 0 -morphology Dilate Disk:16 -negate "$work/tray_mask.png"
table_shot() {
  shot "$1"
  convert "$work/$1.png" "$work/tray_mask.png" -compose multiply -composite "$work/$1.png"
}
differing() { compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true; }

# Waits for the balls to rest: two pictures half a second apart the same.
wait_for_rest() {
  table_shot rest_a
  for _ in $(seq 240); do
    sleep 0.5
    table_shot rest_b
    [ "$(differing rest_a rest_b)" -eq 0 ] && return 0
    mv "$work/rest_b.png" "$work/rest_a.png"
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended during the play"
  done
  fail "the balls did not come to rest in two minutes"
}

declare -A key_name=([37]=Left [38]=Up [39]=Right [40]=Down [32]=space)
pending="" count=0 shots=0
flush_keys() {
  [ "$count" -gt 0 ] && xdotool key --delay 15 --repeat "$count" "${key_name[$pending]}"
  pending="" count=0
}
wait_for_rest
while read -r word arg _; do
  case "$word" in
    key)
      [ "$arg" = "$pending" ] || flush_keys
      pending=$arg
      count=$((count + 1))
      if [ "$arg" = 32 ]; then
        sleep 0.3  # the aim keys are handled and drawn before the shot
        flush_keys
        shots=$((shots + 1))
      fi
      ;;
    step)
      sleep "$(awk -v t="$arg" 'BEGIN { printf "%.2f", t / 100 }')"
      wait_for_rest
      shot "after_shot_$(printf %02d "$shots")"
      ;;
  esac
done <"$work/plan.sim"
shot end

# The status line against the one quorvil-sim draws at the plan's end.
status_rows=37
strip() { convert "$work/$1.png" -gravity south -crop "${WIDTH}x${status_rows}+0+0" +repage "$work/$1_status.png"; }
strip end
strip end_planned_a
[ "$(differing end_status end_planned_a_status)" -eq 0 ] ||
  fail "the status line at the end is not the planned one (see end.png and end_planned_a.png)"

root=$(xdotool search --maxdepth 0 --class '')
others=$(xdotool search --onlyvisible --maxdepth 1 --class '' | grep -vx "$root" | grep -vx "$window" || true)
[ -z "$others" ] || fail "another window is open: $others"

kill -TERM "$game_pid"
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM"
[ -s "$work/game.log" ] && fail "the game wrote to its output"
echo "ok: $shots shots, the table cleared; the end picture is $work/end.png"
