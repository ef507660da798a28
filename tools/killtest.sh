#!/usr/bin/env bash
# Crash safety of the saves: plays the campaign headless again and again in
# one save folder, kills the game with SIGKILL at random moments, and after
# each kill reads the folder with quillmere-savecheck. The save must still
# load, and the resume point (island, then level) and the upgrades bought
# must never fall below the best seen before; the round being played when
# the kill came may be lost. The player's entry in the high-score table
# never falls either, and holds at least the score of every won round
# before the last one shown (each win submits the score as it stands). Every third kill comes right after a won round
# or a purchase shows in the output, where the next saves are written.
#
#   tools/killtest.sh [--build <build dir>] [--game <program folder>]
#                     [--kills N] [--seed S]
#
# Defaults: build dir "build", program folder <build dir>/game, 100 kills,
# seed 1. The seed drives the delays and each start's game seed (S, S+1,
# ...). A campaign that reaches its ending between kills, or that a kill
# during the ending left finished, starts over in a fresh folder. The last
# line is "kills K restarts R checks C failures F"; the exit status is 1
# when F > 0.
set -euo pipefail

usage() {
  echo "usage: tools/killtest.sh [--build <build dir>] [--game <program folder>] [--kills N] [--seed S]" >&2
  exit 2
}

build=build
game=
wanted=100
seed=1
while (($#)); do
  (($# >= 2)) || usage
  case $1 in
    --build) build=$2 ;;
    --game) game=$2 ;;
    --kills) wanted=$2 ;;
    --seed) seed=$2 ;;
    *) usage ;;
  esac
  shift 2
done
[[ $wanted =~ ^[0-9]+$ && $seed =~ ^[0-9]+$ ]] || usage
game=${game:-$build/game}
autoplay=$build/tools/autoplay/quillmere-autoplay
savecheck=$build/tools/savecheck/quillmere-savecheck
for tool in "$autoplay" "$savecheck"; do
  [[ -x $tool ]] || { echo "killtest: no $tool (build it first)" >&2; exit 2; }
done
[[ -d $game/Texts ]] || { echo "killtest: no program folder at $game" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/quillmere-killtest.XXXXXX")
pid=
cleanup() {
  if [[ -n $pid ]]; then
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

RANDOM=$seed
kills=0 restarts=0 checks=0 failures=0 starts=0
# Starts in a row that ended before their kill; a real campaign takes far
# longer than a few of them.
unkilled=0
output=$work/autoplay.out

# A new player in an empty folder: nothing saved, nothing to compare yet.
data=$work/data
saves="$data/Quillmere - Qvx"
fresh_folder() {
  rm -rf "$data"
  mkdir -p "$data"
  saved=0 best_island=0 best_level=0 best_upgrades=0 best_story=0 best_score=0
}
fresh_folder

# Whether the game still runs: bash reaps an exited child at once, and one
# it has not reaped yet is a zombie.
running() {
  local stat
  { read -r stat <"/proc/$1/stat"; } 2>/dev/null || return 1
  stat=${stat##*) }
  [[ ${stat%% *} != Z ]]
}

wins_and_buys() { grep -cE '^buy | won ' "$output" || true; }

# Milliseconds as seconds for sleep.
seconds() { printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)); }

fail() {
  failures=$((failures + 1))
  echo "FAILURE: $*"
  echo "  last lines of the game's output:"
  tail -n 5 "$output" | sed 's/^/    /'
}

# Reads the folder after a kill, or with "ending" after the campaign's end,
# and compares with the best.
check() {
  local line
  if ! line=$("$savecheck" "$saves" 2>"$work/check.err"); then
    # Killed before the first save: a new player is asked for again.
    if ((!saved)) && [[ ${1-} != ending ]]; then
      echo "  no save yet: $(<"$work/check.err")"
      return
    fi
    checks=$((checks + 1))
    fail "the save no longer loads: $(<"$work/check.err")"
    return
  fi
  checks=$((checks + 1))
  echo "  $line"
  local words
  read -ra words <<<"$line"
  local island=${words[3]} level=${words[5]} upgrades=${words[7]} story=${words[9]} score=${words[11]}
  if ((saved)) && ((island < best_island || (island == best_island && level < best_level) ||
    upgrades < best_upgrades || story < best_story)); then
    fail "progress went back from island $best_island level $best_level upgrades $best_upgrades" \
      "story $best_story to island $island level $level upgrades $upgrades story $story"
  fi
  local submitted
  submitted=$(submitted_score)
  if ((score < best_score || score < submitted)); then
    fail "the high-score table lost the player's entry: $score, after $best_score and a win at $submitted"
  fi
  # A step back is counted once; later checks compare with where it went.
  saved=1 best_island=$island best_level=$level best_upgrades=$upgrades best_story=$story best_score=$score
}

# The score of the won round before the last one this start printed: a later
# win submitted at least that much (0 before two wins).
submitted_score() {
  local wins
  wins=$(grep -E ' won ' "$output" | tail -n 2 || true)
  if (($(wc -l <<<"$wins") < 2)); then
    echo 0
    return
  fi
  head -n 1 <<<"$wins" | sed -E 's/.* score +([0-9]+) .*/\1/'
}

began=$SECONDS
while ((kills < wanted)); do
  run_seed=$((seed + starts))
  starts=$((starts + 1))
  XDG_DATA_HOME=$data "$autoplay" --game "$game" --campaign --tools --skip --rounds 300 --seed "$run_seed" \
    >"$output" 2>&1 &
  pid=$!
  delay=$((50 + RANDOM % 1951))
  timed=$(((kills + 1) % 3 == 0))
  sleep "$(seconds "$delay")"
  how="after $(seconds "$delay") s"
  if ((timed)); then
    # The next won round or purchase from here on.
    target=$(($(wins_and_buys) + 1))
    while running "$pid" && (($(wins_and_buys) < target)); do sleep 0.005; done
    how="$how, then right after: $(grep -E '^buy | won ' "$output" | tail -n 1 | tr -s ' ' | sed 's/ ticks.*//' || true)"
  fi
  kill -KILL "$pid" 2>/dev/null || true
  status=0
  # Quietly: bash would report the killed job on its own.
  wait "$pid" 2>/dev/null || status=$?
  pid=
  if ((status == 128 + 9)); then
    unkilled=0
    kills=$((kills + 1))
    echo "kill $kills (start $starts, seed $run_seed) $how"
    check
    continue
  fi
  # A kill during the ending leaves a finished game, which the next start
  # reports as complete already.
  if ((status == 0)) && grep -qE '^(ending seen|game complete already)' "$output"; then
    echo "start $starts (seed $run_seed) reached the ending"
    check ending
  else
    fail "start $starts (seed $run_seed) stopped by itself with status $status"
  fi
  restarts=$((restarts + 1))
  fresh_folder
  unkilled=$((unkilled + 1))
  if ((unkilled >= 5)); then
    fail "$unkilled starts in a row ended before they could be killed; giving up"
    break
  fi
done
echo "seconds $((SECONDS - began))"
echo "kills $kills restarts $restarts checks $checks failures $failures"
((failures == 0))
