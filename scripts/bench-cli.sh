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

# Fills and files of the largest board: processor seconds (user + system, steadier than the
# clock on a shared machine) of each step, net of the plexa-cli run that stops just before it
# (the board alone, or the board with the soup).
big=(--size 100000x2500 --generations 0)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
timed() {
    local used
    used=$(/usr/bin/time -f '%U + %S' "$cli" "$@" 2>&1 >/dev/null | tail -1)
    echo "$used" | bc
}
board=$(timed "${big[@]}")
soup=$(timed "${big[@]}" --random 50 --seed 1)
step() {
    local label=$1 base=$2; shift 2
    local total
    total=$(timed "$@")
    printf '%-32s %.2f s\n' "$label" "$(echo "$total - $base" | bc)"
}
printf '%-32s %.2f s\n' "Random fill 50 % 100000x2500" "$(echo "$soup - $board" | bc)"
step "RLE write of that soup" "$soup" "${big[@]}" --random 50 --seed 1 --out "$dir/soup.rle"
step "RLE read of that soup" "$board" "$dir/soup.rle" --generations 0
step "Native (.plx) write" "$soup" "${big[@]}" --random 50 --seed 1 --out "$dir/soup.plx" --format plx
step "Native (.plx) read" "$board" "$dir/soup.plx" --generations 0
step "Life 1.06 write" "$soup" "${big[@]}" --random 50 --seed 1 --out "$dir/soup.lif" --format life106
