#!/bin/sh
# Whole-process start-up as a user meets it: `quillbox --render OUT --view 1` (the Dates view) on an
# empty term and on a 100 x 1,000 term, best wall time of 5 runs each, and the peak resident memory
# of the large run against the size of its term file.
#
#   bench/startup_render.sh [BUILD_DIR]      (make bench runs it on build/)
# Goals: the large term within 1.5x the empty one; its peak memory at most 4x its file.
# TZ is left as it is: with TZ unset the C library falls back to /etc/localtime, as for a user.
set -eu
build=${1:-build}
runs=5
quillbox=$build/quillbox
maker=$build/bench/make_bench_term
for tool in "$quillbox" "$maker" /usr/bin/time; do
    [ -x "$tool" ] || { echo "startup_render: $tool is missing (make build first)" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Settings of the run's own, so that a user's stored view or fonts change nothing.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/share" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$work/empty" "$work/large" "$work/run"
chmod 700 "$work/run"
"$maker" "$work/empty" 0 0
"$maker" "$work/large" 100 1000

# best_run DIR: prints "SECONDS PEAK_KB" of the fastest of $runs renders.
best_run() {
    best=""
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        /usr/bin/time -f %M -o "$work/rss" \
            "$quillbox" --render "$work/out.png" --view 1 --data-dir "$1" --now "2024-06-03 09:00"
        end=$(date +%s%N)
        ns=$((end - start))
        if [ -z "$best" ] || [ "$ns" -lt "$best" ]; then
            best=$ns
            rss=$(tail -n 1 "$work/rss")
        fi
    done
    echo "$best $rss"
}

set -- $(best_run "$work/empty")
empty_ns=$1 empty_kb=$2
set -- $(best_run "$work/large")
large_ns=$1 large_kb=$2
file_bytes=$(stat -c %s "$work/large/studentdef.stn")

awk -v e="$empty_ns" -v l="$large_ns" -v ekb="$empty_kb" -v lkb="$large_kb" -v f="$file_bytes" \
    -v runs="$runs" 'BEGIN {
    ratio = l / e; mem = lkb * 1024 / f
    printf "startup render, Dates view, best of %d: empty term %.3f s, 100 x 1,000 term %.3f s: %.2fx (goal 1.5x: %s)\n",
        runs, e / 1e9, l / 1e9, ratio, ratio <= 1.5 ? "met" : "missed"
    printf "peak memory: empty term %.1f MB, 100 x 1,000 term %.1f MB for a %.1f MB file: %.2fx (goal 4x: %s)\n",
        ekb / 1024, lkb / 1024, f / 1048576, mem, mem <= 4 ? "met" : "missed"
}'
