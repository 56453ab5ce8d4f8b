#!/usr/bin/env bash
# Whole-process speed of `quillbox agenda` beside calcurse and khal: the same term (bench_term.h)
# written as our studentdef.stn, a calcurse apts file and a khal vdir (one .ics per reminder),
# each program printing the same 32 days, at 20 x 500 and 100 x 1,000 reminders.
#
#   bench/agenda_vs.sh [BUILD_DIR] [SIZES...]     e.g. bench/agenda_vs.sh build 20x500 100x1000
#
# Needs calcurse and khal (Debian packages); times with hyperfine when installed, else best of N
# runs with date +%s%N. Everything runs in America/New_York with a scratch HOME, so no setting of
# yours takes part; the range crosses the end of daylight saving (November 3, 2024).
# khal keeps an index of the vdir in SQLite: its first run builds it (not timed; slow at 100,000
# files), the timed runs only check it.

set -eu

BUILD=$(cd "${1:-build}" && pwd)
shift || true
SIZES=("$@")
[ ${#SIZES[@]} -gt 0 ] || SIZES=(20x500 100x1000)
GEN=$BUILD/bench/quillbox_agenda_formats
FROM=2024-10-20
DAYS=32

for tool in calcurse khal; do
    command -v "$tool" > /dev/null || { echo "needs $tool (apt-get install $tool)" >&2; exit 1; }
done
for exe in "$GEN" "$BUILD/quillbox"; do
    [ -x "$exe" ] || { echo "build $exe first" >&2; exit 1; }
done

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export TZ=America/New_York
export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/home/.config XDG_DATA_HOME=$WORK/home/.local/share
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"

# Best of N wall-clock runs, in milliseconds, when hyperfine is missing.
best_of() { # N command...
    local n=$1 best= t0 t1 ms
    shift
    for _ in $(seq "$n"); do
        t0=$(date +%s%N)
        "$@" > /dev/null 2>&1
        t1=$(date +%s%N)
        ms=$(((t1 - t0) / 1000))
        if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    done
    printf '%d.%03d ms' $((best / 1000)) $((best % 1000))
}

for size in "${SIZES[@]}"; do
    classes=${size%x*}
    per=${size#*x}
    D=$WORK/$size
    echo "== $classes classes x $per reminders ($((classes * per)) in all), $DAYS days from $FROM"
    "$GEN" "$D" "$classes" "$per"

    OURS=("$BUILD/quillbox" agenda --data-dir "$D/quillbox" --from "$FROM" --days "$DAYS"
        --show-empty-days)
    OURS_JSON=("${OURS[@]}" --json)
    CALCURSE=(calcurse -D "$D/calcurse" --read-only -Q --filter-type cal --input-datefmt 4
        --from "$FROM" --days "$DAYS")
    KHAL=(khal -c "$D/khal/config" list "$FROM" "${DAYS}d")

    t0=$(date +%s)
    "${KHAL[@]}" > /dev/null 2>&1
    echo "khal's first run (builds its index): $(($(date +%s) - t0)) s"

    # The same reminders in all three: count what each prints.
    ours_n=$("${OURS_JSON[@]}" | grep -c '^{"class"' || true)
    cal_n=$("${CALCURSE[@]}" | grep -c '^ - ' || true)
    khal_n=$("${KHAL[@]}" 2> /dev/null | grep -c ' - Reminder ' || true)
    echo "reminders printed: quillbox agenda --json $ours_n, calcurse $cal_n, khal $khal_n"
    echo "lines printed: quillbox agenda $("${OURS[@]}" | wc -l) (one per class and day)," \
        "--json $("${OURS_JSON[@]}" | wc -l), calcurse $("${CALCURSE[@]}" | wc -l)," \
        "khal $("${KHAL[@]}" 2> /dev/null | wc -l)"

    if command -v hyperfine > /dev/null; then
        slow_runs=10
        [ $((classes * per)) -gt 20000 ] && slow_runs=3
        hyperfine -N --warmup 3 --min-runs 30 --style basic \
            -n "quillbox agenda" "$(printf '%q ' "${OURS[@]}")" \
            -n "quillbox agenda --json" "$(printf '%q ' "${OURS_JSON[@]}")" \
            --export-markdown "$WORK/fast.md" 2>&1 | grep -E '^(Benchmark|  Time|  Range)'
        hyperfine -N --warmup 1 --runs "$slow_runs" --style basic \
            -n calcurse "$(printf '%q ' "${CALCURSE[@]}")" \
            -n khal "$(printf '%q ' "${KHAL[@]}")" \
            --export-markdown "$WORK/slow.md" 2>&1 | grep -E '^(Benchmark|  Time|  Range)'
        cat "$WORK/fast.md"
        tail -n +3 "$WORK/slow.md"
    else
        echo "quillbox agenda:        $(best_of 30 "${OURS[@]}")"
        echo "quillbox agenda --json: $(best_of 30 "${OURS_JSON[@]}")"
        echo "calcurse:               $(best_of 5 "${CALCURSE[@]}")"
        echo "khal:                   $(best_of 3 "${KHAL[@]}")"
    fi
    echo
done
