#!/usr/bin/env bash
# The tick rate the real game keeps over a break shot, measured from outside:
# the game runs under Xvfb with Mesa's software renderer, its client area
# 870 x 640 and then 1920 x 1080; Space breaks, and the buffer swaps of the
# following SECONDS are counted by the preloaded swap counter. While a game
# is under way every tick asks for one frame and the event loop draws one
# frame per tick, so frames per second are ticks per second; 100 is the
# game's nominal speed.
#   measure_tick_rate.sh QUORVIL SWAP_COUNTER_SO [SECONDS]
set -euo pipefail

game=$1
counter=$2
seconds=${3:-10}
work=$(mktemp -d)

xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

measure() {
  local width=$1 height=$2
  Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$work/display")"

  QUORVIL_SWAP_LOG="$work/swaps" LD_PRELOAD="$counter" LIBGL_ALWAYS_SOFTWARE=1 "$game" >/dev/null 2>&1 &
  game_pid=$!
  local window=""
  for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name '^Quorvil 1\.0032' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "no game window" >&2; exit 1; }
  # No window manager maximises it here: the window is made as large as the
  # screen by hand.
  xdotool windowmove "$window" 0 0 windowsize "$window" "$width" "$height"
  sleep 1
  xdotool windowfocus --sync "$window"

  local start end
  start=$(date +%s%N)
  xdotool key space
  sleep "$seconds"
  end=$(date +%s%N)
  kill -TERM "$game_pid"
  wait "$game_pid" || { echo "the game ended with status $?" >&2; exit 1; }
  game_pid=""
  kill "$xvfb_pid"
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""

  awk -v start="$start" -v end="$end" -v size="${width}x${height}" '
    $1 >= start && $1 < end { frames++ }
    END { s = (end - start) / 1e9; printf "%s: %d frames in %.2f s = %.1f frames (ticks) per second\n", size, frames, s, frames / s }
  ' "$work/swaps"
}

measure 870 640
measure 1920 1080
