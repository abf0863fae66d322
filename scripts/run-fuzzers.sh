#!/usr/bin/env bash
# Runs every libFuzzer target (fuzz_*) in BIN_DIR for SECONDS each (default 30, or
# $FUZZ_SECONDS) and fails when any of them finds a crash, undefined behaviour, a leak, a hang
# or runaway memory. Inputs it finds are kept in BIN_DIR/fuzz-work/<target>/; the golden files
# in tests/data/<name> (fuzz_Rle -> tests/data/rle) seed the search.
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 BIN_DIR [SECONDS]" >&2
    exit 2
fi
bin_dir=$1
seconds=${2:-${FUZZ_SECONDS:-30}}
root=$(cd "$(dirname "$0")/.." && pwd)

shopt -s nullglob
targets=()
for t in "$bin_dir"/fuzz_*; do
    [ -f "$t" ] && [ -x "$t" ] && targets+=("$t")
done
if [ ${#targets[@]} -eq 0 ]; then
    echo "no fuzz_* executables in $bin_dir" >&2
    exit 2
fi

failed=()
for target in "${targets[@]}"; do
    name=$(basename "$target")
    work="$bin_dir/fuzz-work/$name"
    mkdir -p "$work/corpus"
    corpora=("$work/corpus")
    seeds="$root/tests/data/$(tr '[:upper:]' '[:lower:]' <<<"${name#fuzz_}")"
    [ -d "$seeds" ] && corpora+=("$seeds")

    echo "== $name: ${seconds}s"
    if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/" "${corpora[@]}"; then
        failed+=("$name")
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "FAILED: ${failed[*]} (reproducers in $bin_dir/fuzz-work/<target>/)" >&2
    exit 1
fi
echo "All ${#targets[@]} fuzz targets ran ${seconds}s without a finding."
