#!/usr/bin/env bash
# End to end, as a person would: Quillbox in a real X server (Xvfb) on a sample term, driven with
# mouse clicks (xdotool) through Classes, a class, a reminder, Back, Dates, a day and Exit. Every
# step is checked on a screenshot against what `quillbox --render` paints for that state; at the
# end the program must have exited 0, saved the term, stored the Dates view and left files that
# load to the same views.
#
#   tests/e2e/run_e2e.sh BUILD_DIR      (needs xvfb-run, xdotool and ImageMagick)
#
# Screenshots stay in BUILD_DIR/e2e-shots.

set -u

if [ $# -lt 1 ] || [ ! -d "$1" ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
BUILD=$(cd "$1" && pwd)
APP=$BUILD/quillbox
SAMPLE=$BUILD/quillbox_sample

for tool in xvfb-run xdotool import convert compare; do
    command -v "$tool" > /dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done
[ -x "$APP" ] && [ -x "$SAMPLE" ] || { echo "FAIL: build quillbox and quillbox_sample first"; exit 1; }

# The clicks need a display of their own: run the rest of this script inside one.
if [ -z "${QUILLBOX_E2E_INSIDE:-}" ]; then
    export QUILLBOX_E2E_INSIDE=1
    exec timeout 170 xvfb-run -a -s "-screen 0 480x640x24" bash "$0" "$@"
fi

DAY=2003-10-15
NOW="$DAY 10:00"
VIEW_W=240 # the main view's size: the window's minimum, and what --render paints
VIEW_H=268

WORK=$(mktemp -d)
SHOTS=$BUILD/e2e-shots
rm -rf "$SHOTS"
mkdir -p "$SHOTS"
APP_PID=
cleanup() {
    if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2> /dev/null; then
        kill "$APP_PID" 2> /dev/null
        wait "$APP_PID" 2> /dev/null
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}
step() { echo "step: $*"; }

# A home of its own: settings, file-type registration and backup copies stay in the scratch folder.
export HOME=$WORK/home
export XDG_CONFIG_HOME=$HOME/.config
export XDG_DATA_HOME=$HOME/.local/share
export XDG_RUNTIME_DIR=$WORK/runtime
export TZ=America/New_York
mkdir -p "$XDG_CONFIG_HOME/Larkware" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR" "$HOME/Documents"
chmod 700 "$XDG_RUNTIME_DIR"
CONF=$XDG_CONFIG_HOME/Larkware/Quillbox.conf
printf '[Settings]\nShowWelcome=0\nViewType=0\n' > "$CONF"
DATA=$WORK/data

step "write the sample term for $DAY"
"$SAMPLE" "$DATA" "$DAY" || fail "quillbox_sample exited $?"
[ -s "$DATA/studentdef.stn" ] && [ -s "$DATA/teachers.dat" ] || fail "no data files in $DATA"
INODE_BEFORE=$(stat -c %i "$DATA/studentdef.stn")

# What each state should look like, painted off-screen from the same files and settings.
render() { # VIEW OUT
    QT_QPA_PLATFORM=offscreen "$APP" --data-dir "$DATA" --now "$NOW" --render "$2" --view "$1" \
        2> /dev/null
}
step "render the expected Classes, Dates, Day and Reminder views"
for v in 0 1 4 7; do
    render "$v" "$WORK/expect$v.png" || fail "--render --view $v exited $?"
done

# Pixels that differ between two images (an error counts as all of them).
differ() { # A B [GEOMETRY]
    local a=$1 b=$2
    if [ -n "${3:-}" ]; then
        convert "$1" -crop "$3" +repage "$WORK/da.png" && a=$WORK/da.png
        convert "$2" -crop "$3" +repage "$WORK/db.png" && b=$WORK/db.png
    fi
    local n
    n=$(compare -metric AE "$a" "$b" null: 2>&1)
    case $n in
        '' | *[!0-9]*) echo 999999 ;;
        *) echo "$n" ;;
    esac
}

SHOT_NO=0
VX=0
VY=0
# Screenshot of the whole screen and the view cut out of it: $SHOTS/NN-name.png, $WORK/view.png.
shot() { # NAME
    SHOT_NO=$((SHOT_NO + 1))
    LAST_SHOT=$SHOTS/$(printf '%02d' $SHOT_NO)-$1.png
    import -window root "$LAST_SHOT" || fail "screenshot $1"
    convert "$LAST_SHOT" -crop "${VIEW_W}x${VIEW_H}+$VX+$VY" +repage "$WORK/view.png"
}
# Waits (5 s at most) until the view matches (or, with "not", differs from) an image.
expect_view() { # NAME [not] IMAGE [GEOMETRY]
    local name=$1 want=same
    shift
    if [ "$1" = not ]; then
        want=different
        shift
    fi
    local n=0
    for _ in $(seq 25); do
        shot "$name"
        n=$(differ "$WORK/view.png" "$1" "${2:-}")
        if { [ $want = same ] && [ "$n" -eq 0 ]; } || { [ $want = different ] && [ "$n" -gt 0 ]; }; then
            return 0
        fi
        rm -f "$LAST_SHOT"
        SHOT_NO=$((SHOT_NO - 1))
        sleep 0.2
    done
    shot "$name"
    fail "$name: the view is not $want as expected ($n pixels differ; see $LAST_SHOT)"
}
# A click at a point of the view.
click() { # X Y
    xdotool mousemove --sync $((VX + $1)) $((VY + $2)) click 1 || fail "xdotool click $1,$2"
    sleep 0.3
}
# Slots of the command strip: 20 pixels square, 25 apart from x 8, top 25 above the bottom.
click_slot() { click $((18 + 25 * $1)) $((VIEW_H - 15)); }

step "start quillbox under Xvfb ($DISPLAY)"
QT_QPA_PLATFORM=xcb "$APP" --data-dir "$DATA" --now "$NOW" > "$WORK/app.log" 2>&1 &
APP_PID=$!
WID=
for _ in $(seq 100); do
    WID=$(xdotool search --onlyvisible --name '^Quillbox$' 2> /dev/null | head -1)
    [ -n "$WID" ] && break
    kill -0 "$APP_PID" 2> /dev/null || { cat "$WORK/app.log"; fail "quillbox ended at start"; }
    sleep 0.2
done
[ -n "$WID" ] || fail "no Quillbox window within 20 s"
eval "$(xdotool getwindowgeometry --shell "$WID")"
# The view fills the window under the menu bar.
VX=$X
VY=$((Y + HEIGHT - VIEW_H))
echo "      window $WID at $X,$Y, ${WIDTH}x$HEIGHT; view at $VX,$VY"
[ "$WIDTH" -eq $VIEW_W ] || fail "the window is $WIDTH wide, not $VIEW_W"

step "Classes view as rendered"
expect_view classes "$WORK/expect0.png"

step "tap the first class heading (Biology): marked, still Classes"
click 100 36
expect_view class-marked not "$WORK/expect0.png"
[ "$(differ "$WORK/view.png" "$WORK/expect0.png" 200x25+0+0)" -eq 0 ] || fail "left the Classes view"

step "View: the class detail"
click_slot 3
expect_view class-detail not "$WORK/expect0.png" 240x25+0+0
[ "$(differ "$WORK/view.png" "$WORK/expect7.png" 240x25+0+0)" -gt 0 ] || fail "a reminder opened instead"
cp "$WORK/view.png" "$WORK/class-detail.png"

step "tap a reminder in the list, View: the reminder detail"
click 90 140
click_slot 2
expect_view reminder-detail "$WORK/expect7.png" 240x25+0+0

step "Back: the same class detail again, now without a Back button"
click_slot 5
expect_view back-to-class "$WORK/class-detail.png" 240x240+0+0
[ "$(differ "$WORK/view.png" "$WORK/class-detail.png" 20x20+133+$((VIEW_H - 25)))" -gt 0 ] ||
    fail "the Back button is still shown"

step "switch the view type to Dates"
click 199 $((VIEW_H - 14))
sleep 0.5
shot combo-open
xdotool key Down Return || fail "xdotool key"
# The selector keeps the keyboard focus, which the rendered one has not: compare all but it.
expect_view dates "$WORK/expect1.png" 240x240+0+0
[ "$(differ "$WORK/view.png" "$WORK/expect1.png" 160x28+0+240)" -eq 0 ] || fail "wrong command strip"

step "tap today's heading, View: the Day view of today"
click 100 36
click_slot 3
# The strip differs (the Day view has a Back button now); the day itself must be as rendered.
expect_view day "$WORK/expect4.png" 240x240+0+0

step "Back to Dates, then Exit"
click_slot 5
expect_view dates-again "$WORK/expect1.png" 160x268+0+0
click_slot 0
CODE=
for _ in $(seq 50); do
    if ! kill -0 "$APP_PID" 2> /dev/null; then
        wait "$APP_PID"
        CODE=$?
        break
    fi
    sleep 0.2
done
[ -n "$CODE" ] || fail "quillbox still running 10 s after Exit"
APP_PID=
[ "$CODE" -eq 0 ] || { cat "$WORK/app.log"; fail "quillbox exited $CODE"; }

step "check what Exit left behind"
grep -qx 'ViewType=1' "$CONF" || fail "ViewType is not 1 in $CONF: $(grep ViewType "$CONF")"
grep -qx 'DAYASSONLY=0' "$CONF" || fail "DAYASSONLY is not 0 in $CONF"
[ "$(stat -c %i "$DATA/studentdef.stn")" != "$INODE_BEFORE" ] || fail "Exit did not save the term"
for v in 0 1; do
    render "$v" "$WORK/after$v.png" || fail "the saved files do not render (view $v)"
    [ "$(differ "$WORK/after$v.png" "$WORK/expect$v.png")" -eq 0 ] ||
        fail "view $v of the saved term differs from the sample's"
done

echo "e2e: all steps passed; screenshots in $SHOTS"
exit 0
