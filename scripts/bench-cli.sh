#!/usr/bin/env bash
# Times plexa-cli on a 2000 x 2000 wrapped board filled 50 % at random, 1000 generations,
# for each two-dimensional family. Usage: scripts/bench-cli.sh [path/to/plexa-cli]
set -euo pipefail
cli=${1:-build/bin/plexa-cli}
soup=(--size 2000x2000 --wrap --random 50 --seed 1 --generations 1000)

run() {
    local label=$1; shift
    local line
    line=$("$cli" "${soup[@]}" "$@")
    local seconds=${line##*seconds=}; seconds=${seconds%% *}
    # 1000 generations: the seconds of the run are the milliseconds of one generation.
    printf '%-32s %s  (%s ms per generation)\n' "$label" "$line" "$seconds"
}

run "Life 23/3" --game Life --rule 23/3
run "Generations 345/2/4" --game Generations --rule 345/2/4
run "Weighted Life (Conway weights)" --game "Weighted Life" \
    --rule NW1,NN1,NE1,WW1,ME0,EE1,SW1,SS1,SE1,HI0,RS2,RS3,RB3
run "Vote for Life 46789" --game "Vote for Life" --rule 46789
