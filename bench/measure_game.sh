#!/usr/bin/env bash
# Runs the built game for a while and reads its processor time and resident
# memory from /proc.
#
#   bench/measure_game.sh [seconds] [splash|menu|round]
#
# The environment passes through: SDL_VIDEODRIVER=dummy with
# QUILLMERE_NULL_SCREEN=1 measures the game without drawing; run it under
# xvfb-run -s "-screen 0 1366x768x24" to measure a real window. With a display
# and xdotool, "menu" clicks past the splash and "round" also presses Play.
# The game ends through SIGTERM, as at a logout.
set -euo pipefail

SECONDS_TO_MEASURE="${1:-20}"
SCENE="${2:-splash}"
GAME="${GAME:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/game/quillmere}"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run"
export XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/run"

started=$(date +%s.%N)
"$GAME" &
pid=$!

click() { xdotool mousemove "$1" "$2" click 1; }
if [ "$SCENE" != splash ]; then
  sleep 10                 # logos and loading
  click 683 384            # the splash
  sleep 4
  if [ "$SCENE" = round ]; then
    click 1075 320         # Play
    sleep 8
  fi
fi

ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
before=$(ticks)
sleep "$SECONDS_TO_MEASURE"
after=$(ticks)
rss=$(awk '/^VmRSS/ { print int($2 / 1024) }' "/proc/$pid/status")
peak=$(awk '/^VmHWM/ { print int($2 / 1024) }' "/proc/$pid/status")
kill -TERM "$pid"
wait "$pid" || true
ended=$(date +%s.%N)

awk -v used=$((after - before)) -v hz="$(getconf CLK_TCK)" -v span="$SECONDS_TO_MEASURE" \
    -v rss="$rss" -v peak="$peak" -v scene="$SCENE" -v total="$(echo "$ended - $started" | bc)" \
    'BEGIN { printf "%s: %.1f %% of one core over %d s, resident %d MB (peak %d MB), %.1f s in all\n",
             scene, 100 * used / hz / span, span, rss, peak, total }'
