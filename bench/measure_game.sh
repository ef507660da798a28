#!/usr/bin/env bash
# Runs the built game for a while and reads its processor time and resident
# memory from /proc.
#
#   bench/measure_game.sh [seconds] [splash|menu|round]
#
# The environment passes through: SDL_VIDEODRIVER=dummy with
# QUILLMERE_NULL_SCREEN=1 measures the game without drawing; run it under
# xvfb-run -s "-screen 0 1366x768x24" to measure a real window. With a display
# and xdotool, "menu" clicks past the splash and "round" goes on through the
# menu's Play and the map's Play into the first round; both play as a player
# who has heard the story and won a round (made by the autoplay tool, which
# must be built). The game ends through SIGTERM, as at a logout.
set -euo pipefail

SECONDS_TO_MEASURE="${1:-20}"
SCENE="${2:-splash}"
BUILD="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build"
GAME="${GAME:-$BUILD/game/quillmere}"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run"
export XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/run"
if [ "$SCENE" != splash ]; then
  SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$BUILD/tools/autoplay/quillmere-autoplay" \
    --game "$(dirname "$GAME")" --rounds 1 --seed 1 >/dev/null
fi

started=$(date +%s.%N)
"$GAME" &
pid=$!

click() { xdotool mousemove "$1" "$2" click 1; }
if [ "$SCENE" != splash ]; then
  sleep 10                 # logos and loading
  click 683 384            # the splash
  sleep 4
  if [ "$SCENE" = round ]; then
    click 1075 320         # the menu's Play
    sleep 4
    click 1215 698         # the map's Play
    sleep 4
    click 683 384          # the objectives
    sleep 3
    click 680 483          # the tool's tip
    sleep 2
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
