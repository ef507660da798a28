#!/bin/bash
# Plays every default level with the tools, each from a fresh player, trying
# seeds 1 to 5 until one wins within the level's time, and prints a Markdown
# table: level, seed, result, time used. A level no seed wins shows its last
# seed's result.
#
#   tools/autoplay/every-level.sh [build folder] [parallel runs]
set -euo pipefail
build=${1:-build}
jobs=${2:-2}
autoplay="$build/tools/autoplay/quillmere-autoplay"
[ -x "$autoplay" ] || { echo "every-level.sh: no $autoplay; build it first" >&2; exit 2; }

play_level() {
  local island=$1 level=$2 seed line result used=? time=? timer
  for seed in 1 2 3 4 5; do
    local home
    home=$(mktemp -d)
    # A level's time is at most 300 s, 10000 ticks: a round still going after
    # that has lost the race.
    line=$(XDG_DATA_HOME="$home" "$autoplay" --tools --island "$island" --level "$level" --rounds 1 \
      --seed "$seed" --max-ticks 11000 | grep '^island' || true)
    rm -rf "$home"
    result=$(awk '{print $6}' <<<"$line")
    timer=$(sed -n 's/.*timer *\([0-9]*\)\/ *\([0-9]*\) s.*/\1 \2/p' <<<"$line")
    used=${timer% *} time=${timer#* }
    if [ "$result" = won ] && [ "$used" -lt "$time" ]; then
      printf '| %d-%02d | %d | won | %s of %s s |\n' "$island" "$level" "$seed" "$used" "$time"
      return
    fi
  done
  printf '| %d-%02d | - | %s | %s of %s s |\n' "$island" "$level" "${result:-broken}" "$used" "$time"
}
export -f play_level
export autoplay

echo "| Level | Seed | Result | Time used |"
echo "| --- | --- | --- | --- |"
for entry in 1:12 2:13 3:15 4:16 5:18; do
  for level in $(seq 1 "${entry##*:}"); do echo "${entry%%:*} $level"; done
done | xargs -P "$jobs" -n 2 bash -c 'play_level "$0" "$1"' | sort -V
