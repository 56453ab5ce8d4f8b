#!/usr/bin/env bash
# End to end through the Configuration sheet, as a person would: Quillbox in a real X server (Xvfb)
# on a sample term, driven with clicks and keys (xdotool). The colour scheme becomes Red and the
# bars change; a new term sets the term aside in the data folder and empties the classes; a
# restore of that file through the file picker brings the classes back. Each view is checked on
# a screenshot against what `quillbox --render` paints from the files and settings of that moment.
#
#   tests/e2e/e2e_config.sh BUILD_DIR      (needs xvfb-run, xdotool and ImageMagick)
#
# Screenshots stay in BUILD_DIR/e2e-config-shots.

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
SHOTS=$BUILD/e2e-config-shots
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

# What each state should look like, painted off-screen from the same files and settings.
render() { # VIEW OUT
    QT_QPA_PLATFORM=offscreen "$APP" --data-dir "$DATA" --now "$NOW" --render "$2" --view "$1" \
        2> /dev/null
}
step "render the expected Classes view"
render 0 "$WORK/expect-green.png" || fail "--render exited $?"

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
VX=$X
VY=$((Y + HEIGHT - VIEW_H))
echo "      window $WID at $X,$Y, ${WIDTH}x$HEIGHT; view at $VX,$VY"

# Everything but the view selector, which keeps the keyboard focus the rendered one has not.
VIEW_AREA=240x240+0+0

# Menu button, then "Configuration": the item above "Exit", the last one.
open_sheet() {
    click_slot 1
    sleep 0.3
    xdotool key Up Up Return || fail "xdotool key"
    SHEET=
    for _ in $(seq 25); do
        SHEET=$(xdotool search --onlyvisible --name '^Configuration$' 2> /dev/null | head -1)
        [ -n "$SHEET" ] && break
        sleep 0.2
    done
    [ -n "$SHEET" ] || { shot no-sheet; fail "the Configuration sheet did not open"; }
    sleep 0.3
}
keys() {
    xdotool key --delay 150 "$@" || fail "xdotool key $*"
    sleep 0.4
}
sheet_closed() {
    for _ in $(seq 25); do
        xdotool search --onlyvisible --name '^Configuration$' > /dev/null 2>&1 || return 0
        sleep 0.2
    done
    shot sheet-open
    fail "the Configuration sheet is still open"
}

step "Classes view in Green as rendered"
expect_view classes-green "$WORK/expect-green.png" $VIEW_AREA

step "Configuration: colour scheme Red, OK"
open_sheet
shot sheet-view-page
# The tab row has the focus; the next control is the colour scheme box.
keys Tab r
shot sheet-red
keys Return
sheet_closed
grep -qx 'COLORSCHEME=2' "$CONF" || fail "COLORSCHEME is not 2 in $CONF"
render 0 "$WORK/expect-red.png" || fail "--render exited $?"
[ "$(differ "$WORK/expect-red.png" "$WORK/expect-green.png" $VIEW_AREA)" -gt 0 ] ||
    fail "the Red bars render as the Green ones"
expect_view classes-red "$WORK/expect-red.png" $VIEW_AREA

step "Configuration, Maintenance: Start New Term>>, Yes, OK"
ASIDE=$DATA/SDBackupEnd-10-15-2003-100
open_sheet
keys ctrl+Tab ctrl+Tab Tab Tab
shot maintenance-new-term
keys space
shot new-term-question
keys y
# Back on the first page, so that Return is the sheet's OK and no button of the page.
keys ctrl+Tab
keys Return
sheet_closed
[ -s "$ASIDE" ] || fail "no set-aside term $ASIDE: $(ls "$DATA")"
# The set-aside file holds the classes that were open: it renders as they did.
mkdir -p "$WORK/aside"
cp "$ASIDE" "$WORK/aside/studentdef.stn"
QT_QPA_PLATFORM=offscreen "$APP" --data-dir "$WORK/aside" --now "$NOW" --render "$WORK/aside.png" \
    --view 0 2> /dev/null || fail "the set-aside term does not render"
[ "$(differ "$WORK/aside.png" "$WORK/expect-red.png" $VIEW_AREA)" -eq 0 ] ||
    fail "the set-aside term is not the term that was open"
[ ! -e "$DATA/studentdef.stn" ] || fail "studentdef.stn is still there after a new term"
render 0 "$WORK/expect-empty.png" || fail "--render exited $?"
[ "$(differ "$WORK/expect-empty.png" "$WORK/expect-red.png" $VIEW_AREA)" -gt 0 ] ||
    fail "the empty term renders as the full one"
expect_view classes-empty "$WORK/expect-empty.png" $VIEW_AREA

step "Configuration, Maintenance: <<Restore Previous Term, Yes, the set-aside file, OK"
open_sheet
keys ctrl+Tab ctrl+Tab Tab Tab Tab
keys space
keys y
PICKER=
for _ in $(seq 25); do
    PICKER=$(xdotool search --onlyvisible --name '^Select File$' 2> /dev/null | head -1)
    [ -n "$PICKER" ] && break
    sleep 0.2
done
[ -n "$PICKER" ] || { shot no-picker; fail "the file picker did not open"; }
shot picker-home
# The folder box has the focus: the data folder sorts just above the home folder. Then the
# list, its first row (the set-aside term) picked, and OK.
keys Up
shot picker-data-folder
keys Tab Tab space
shot picker-chosen
keys Return
for _ in $(seq 25); do
    xdotool search --onlyvisible --name '^Select File$' > /dev/null 2>&1 || break
    sleep 0.2
done
keys Return
sheet_closed
[ -s "$DATA/studentdef.stn" ] || fail "the restore did not save the term"
cmp -s "$DATA/studentdef.stn" "$ASIDE" || fail "the restored term is not the set-aside one"
[ -s "$ASIDE" ] || fail "the chosen file is gone"
ls "$DATA" | grep -q '^SDBackupEnd-10-15-2003-100-2$' || fail "the empty term was not set aside: $(ls "$DATA")"
expect_view classes-back "$WORK/expect-red.png" $VIEW_AREA

step "Exit"
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

echo "e2e_config: all steps passed; screenshots in $SHOTS"
exit 0
