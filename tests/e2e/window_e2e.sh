#!/usr/bin/env bash
# The real game under a virtual X display: finds its window by title, looks
# at screenshots, plays it with xdotool and stops it with SIGTERM.
#   window_e2e.sh QUORVIL_EXECUTABLE WORK_DIR
# The screenshots of each step stay in WORK_DIR for a look.
set -euo pipefail

game=$1
work=$2
mkdir -p "$work"
rm -f "$work"/*.png

for tool in Xvfb xdotool import convert compare; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps.sh installs it)"; exit 1; }
done

fail() {
  echo "FAIL: $*" >&2
  # What the game itself said, and which windows the display had.
  [ -s "$work/game.log" ] && sed 's/^/game: /' "$work/game.log" >&2
  [ -n "${DISPLAY:-}" ] && xdotool search --name '' getwindowname %@ 2>/dev/null | sed 's/^/window: /' >&2
  exit 1
}

xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# Starts a virtual display (extra Xvfb arguments as given) on a free number.
start_display() {
  local fd_file="$work/display"
  rm -f "$fd_file"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp "$@" 3>"$fd_file" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$fd_file" ] && break
    sleep 0.1
  done
  [ -s "$fd_file" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$fd_file")"
}

stop_display() {
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
}

source "$(dirname "$(realpath "$0")")/game_preload.sh"
preload=$(game_preload "$game")
# A runtime folder, as a desktop session has one.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

# Extra environment words, if any, go before the game.
start_game() {
  env LD_PRELOAD="$preload" LIBGL_ALWAYS_SOFTWARE=1 "$@" "$game" >"$work/game.log" 2>&1 &
  game_pid=$!
}

# The id of the first window whose name matches, waiting up to 60 s (a
# sanitizer build on a busy machine starts slowly).
find_window() {
  local id=""
  for _ in $(seq 600); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended before a window named '$1' showed"
    sleep 0.1
  done
  fail "no window named '$1'"
}

# Ends the game with a signal (SIGTERM unless told) and expects exit status 0.
stop_game() {
  kill "-${1:-TERM}" "$game_pid"
  for _ in $(seq 100); do
    kill -0 "$game_pid" 2>/dev/null || break
    # A zombie has ended: only wait is left to do.
    [[ "$(ps -o stat= -p "$game_pid" 2>/dev/null)" == Z* ]] && break
    sleep 0.1
  done
  ps -o stat= -p "$game_pid" 2>/dev/null | grep -qv Z && fail "the game is still running 10 s after SIG${1:-TERM}"
  local status=0
  wait "$game_pid" || status=$?
  game_pid=""
  [ "$status" -eq 0 ] || fail "exit status $status after SIGTERM"
}

# --- No GL context: the display has no GLX, and EGL has no driver -----------
# (SDL may reach GL through EGL where GLX is missing.)
start_display -extension GLX
start_game __EGL_VENDOR_LIBRARY_FILENAMES=/nonexistent.json
# SDL's message box names itself in a text type xdotool cannot read, so it
# is found as the one window on the display.
root=$(xdotool search --maxdepth 0 --class '')
box=""
for _ in $(seq 600); do
  box=$(xdotool search --onlyvisible --maxdepth 1 --class '' | grep -vx "$root" || true)
  [ -n "$box" ] && break
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended without showing its error box"
  sleep 0.1
done
[ -n "$box" ] || fail "no error box without GLX"
[ "$(echo "$box" | wc -l)" -eq 1 ] || fail "more than one window without GLX: $box"
xdotool search --all --name '^Quorvil' >/dev/null 2>&1 && fail "a game window opened without GL"
sleep 0.5
import -window "$box" "$work/no_gl_box.png"
xdotool windowfocus "$box" key Return
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "exit status $status after the pixel-format box"
stop_display
echo "ok: without GLX the game shows its error box once and ends with status 0"

# --- The game -----------------------------------------------------------
start_display
start_game
window=$(find_window '^Quorvil 1\.0032')
eval "$(xdotool getwindowgeometry --shell "$window")"
left=$X top=$Y width=$WIDTH height=$HEIGHT

# A screenshot of the client area.
shot() {
  import -window root -crop "${width}x${height}+${left}+${top}" +repage "$work/$1.png"
}

# The colour of a client pixel as "r,g,b".
pixel() {
  convert "$work/$1.png" -format "%[fx:int(255*p{$2,$3}.r+0.5)],%[fx:int(255*p{$2,$3}.g+0.5)],%[fx:int(255*p{$2,$3}.b+0.5)]" info:
}

# How many pixels two screenshots differ in.
differing() {
  compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true
}

expect_same() {
  local n; n=$(differing "$1" "$2")
  [ "$n" -eq 0 ] || fail "$3: $1 and $2 differ in $n pixels"
}

expect_changed() {
  local n; n=$(differing "$1" "$2")
  [ "$n" -gt "$3" ] || fail "$4: $1 and $2 differ in only $n pixels"
}

# Points of the help panel (289 x 185 at 208, 152) that no text reaches.
panel_points=("300 330" "480 158" "490 330")
expect_panel() {
  local point colour
  for point in "${panel_points[@]}"; do
    colour=$(pixel "$1" $point)
    if [ "$2" = shown ]; then
      [ "$colour" = "0,0,128" ] || fail "$1: the help panel should show navy at $point, not $colour"
    else
      [ "$colour" != "0,0,128" ] || fail "$1: the help panel should be hidden, yet $point is navy"
    fi
  done
}

# The first frame: the status line along the bottom in the button-face
# colour, no help panel; before the first shot the timer draws nothing.
for _ in $(seq 100); do
  shot start
  [ "$(pixel start 2 $((height - 2)))" = "240,240,240" ] && break
  sleep 0.1
done
[ "$(pixel start 2 $((height - 2)))" = "240,240,240" ] || fail "no status line in the first frame"
expect_panel start hidden
xdotool windowfocus --sync "$window"
sleep 0.3
shot start_later
expect_same start start_later "before the first shot"

# Keys the game has no use for, with any modifiers, change nothing.
xdotool key ctrl+a shift+F5 alt+Return ctrl+shift+KP_Enter super+x Tab
sleep 0.3
shot unknown_keys
expect_same start unknown_keys "keys without a use"

# Space shoots: the cue ball leaves, the balls keep rolling frame by frame.
xdotool key space
sleep 0.3
shot rolling
sleep 0.3
shot rolling_later
expect_changed start rolling 500 "after Space"
expect_changed rolling rolling_later 200 "the balls roll on"

# F1 shows the navy panel and hides it again.
xdotool key F1
sleep 0.3
shot help_shown
expect_panel help_shown shown
xdotool key F1
sleep 0.3
shot help_hidden
expect_panel help_hidden hidden

# Esc restarts: the balls are racked again, the cue is back behind the cue
# ball, and the game waits for the first shot (no timer frames).
xdotool key Escape
sleep 0.3
shot restarted
sleep 0.3
shot restarted_later
expect_same restarted restarted_later "after Esc"
expect_changed restarted rolling_later 500 "after Esc"

# A left drag turns the view.
xdotool mousemove --window "$window" 400 300 mousedown 1
for step in $(seq 1 10); do
  xdotool mousemove --window "$window" $((400 + step * 10)) $((300 + step * 4))
done
xdotool mouseup 1
sleep 0.3
shot turned
expect_changed restarted turned 5000 "after a left drag"

kill -0 "$game_pid" 2>/dev/null || fail "the game ended on its own"
stop_game
echo "ok: the game draws, shoots, shows its help, restarts, turns and stops on SIGTERM"

# SIGINT ends it the same way, although a script's background job starts
# with SIGINT ignored.
start_game
find_window '^Quorvil 1\.0032' >/dev/null
stop_game INT
stop_display
echo "ok: SIGINT ends the game with status 0"
