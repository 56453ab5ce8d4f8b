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

# best_run DIR: prints "SECONDS PEAK_KB CPU_SECONDS": the fastest of $runs renders, its peak
# memory, and the least processor time (user + system) of the runs.
best_run() {
    dir=$1 best="" cpu=""
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        /usr/bin/time -f "%M %U %S" -o "$work/rss" \
            "$quillbox" --render "$work/out.png" --view 1 --data-dir "$dir" --now "2024-06-03 09:00"
        end=$(date +%s%N)
        ns=$((end - start))
        set -- $(tail -n 1 "$work/rss")
        if [ -z "$best" ] || [ "$ns" -lt "$best" ]; then
            best=$ns
            rss=$1
        fi
        cpu=$(awk -v a="$cpu" -v u="$2" -v s="$3" 'BEGIN { c = u + s; print (a == "" || c < a) ? c : a }')
    done
    echo "$best $rss $cpu"
}

set -- $(best_run "$work/empty")
empty_ns=$1 empty_kb=$2 empty_cpu=$3
set -- $(best_run "$work/large")
large_ns=$1 large_kb=$2 large_cpu=$3
file_bytes=$(stat -c %s "$work/large/studentdef.stn")

awk -v e="$empty_ns" -v l="$large_ns" -v ekb="$empty_kb" -v lkb="$large_kb" -v f="$file_bytes" \
    -v ec="$empty_cpu" -v lc="$large_cpu" -v runs="$runs" 'BEGIN {
    ratio = l / e; mem = lkb * 1024 / f
    printf "startup render, Dates view, best of %d: empty term %.3f s, 100 x 1,000 term %.3f s: %.2fx (goal 1.5x: %s)\n",
        runs, e / 1e9, l / 1e9, ratio, ratio <= 1.5 ? "met" : "missed"
    # Processor time shows the same work when other programs keep the machine busy.
    printf "processor time, least of %d: empty term %.2f s, 100 x 1,000 term %.2f s: %.2fx\n",
        runs, ec, lc, (ec > 0 ? lc / ec : 0)
    printf "peak memory: empty term %.1f MB, 100 x 1,000 term %.1f MB for a %.1f MB file: %.2fx (goal 4x: %s)\n",
        ekb / 1024, lkb / 1024, f / 1048576, mem, mem <= 4 ? "met" : "missed"
}'
