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
balloons=1,0,1,0,0,15,0,0,0,5,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0
balloons+=,0,4,4,8,4,4,4,4,4,4,0,5,5,5,5,5,7,7,9,11,0,2,2,2,2,2,2,2,2,2,0,5,5,5,5,5,13,13,9,11
balloons+=,0,8,8,10,8,8,8,8,8,8,0,2,2,2,2,2,9,13,9,11,0,10,10,0,10,10,10,10,10,10,0,14,14,14
balloons+=,14,14,14,14,14,11,0,12,12,4,12,12,12,12,12,12,0,6,6,6,6,13,13,13,9,11,0,14,14,14
balloons+=,12,14,14,14,14,14,0,2,2,2,2,2,2,2,2,2
run "Rules table Balloons" --game "Rules table" --rule "$balloons"
# Cyclic CA needs a soup of all its states (the fill gives state 1 only): half the cells live,
# in states 1 .. states - 1 alike, written as RLE letters (b, o, x, y, z: states 0..4).
soup_file() {
    local width=$1 height=$2 states=$3 file=$4
    awk -v w="$width" -v h="$height" -v n="$states" 'BEGIN {
        srand(1); split("o x y z", live, " ")
        printf "x = %d, y = %d\n", w, h
        for (y = 0; y < h; ++y) {
            line = ""
            for (x = 0; x < w; ++x)
                line = line (rand() < 0.5 ? "b" : live[1 + int(rand() * (n - 1))])
            print line (y + 1 < h ? "$" : "!")
        }
    }' >"$file"
}
run_file() {
    local label=$1 file=$2; shift 2
    local line
    line=$("$cli" --wrap --seed 1 --generations 1000 "$@" "$file")
    local seconds=${line##*seconds=}; seconds=${seconds%% *}
    printf '%-32s %s  (%s ms per generation)\n' "$label" "$line" "$seconds"
}
soups=$(mktemp -d)
trap 'rm -rf "$soups"' EXIT
soup_file 2000 2000 5 "$soups/five.rle"
soup_file 400 300 4 "$soups/four.rle"
run_file "Cyclic CA R1/T3/C5/NM" "$soups/five.rle" --size 2000x2000 \
    --game "Cyclic CA" --rule R1/T3/C5/NM
run_file "Cyclic CA R10/T50/C4/NM 400x300" "$soups/four.rle" --size 400x300 \
    --game "Cyclic CA" --rule R10/T50/C4/NM
# One new row per generation, 100 000 cells wide.
run "1-D totalistic 100000 wide" --game "1-D totalistic" --rule R2,M1,S2,S3,B1,B3 \
    --size 100000x100

# Fills and files of the largest board: processor seconds (user + system, steadier than the
# clock on a shared machine) of each step, net of the plexa-cli run that stops just before it
# (the board alone, or the board with the soup).
big=(--size 100000x2500 --generations 0)
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
step "RLE write of that soup" "$soup" "${big[@]}" --random 50 --seed 1 --out "$soups/soup.rle"
step "RLE read of that soup" "$board" "$soups/soup.rle" --generations 0
step "Native (.plx) write" "$soup" "${big[@]}" --random 50 --seed 1 --out "$soups/soup.plx" --format plx
step "Native (.plx) read" "$board" "$soups/soup.plx" --generations 0
step "Life 1.06 write" "$soup" "${big[@]}" --random 50 --seed 1 --out "$soups/soup.lif" --format life106
