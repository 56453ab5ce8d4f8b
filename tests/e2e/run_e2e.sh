#!/usr/bin/env bash
# End to end, as a person would: Quillbox in a real X server (Xvfb) driven with clicks and keys
# (xdotool), from an empty data folder. A class is built through Setup Class (a new instructor, a
# Wednesday meeting time), a reminder added in its detail, the class renamed, the
# colour scheme set to Red and the Dates view chosen; after Exit a fresh start shows the same
# views. Each state is compared with what `quillbox --render` paints from the files of that moment.
#
#   tests/e2e/run_e2e.sh BUILD_DIR   (needs xvfb-run, xdotool, ImageMagick; shots in BUILD_DIR/e2e-shots)
set -u
if [ $# -lt 1 ] || [ ! -d "$1" ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
BUILD=$(cd "$1" && pwd)
APP=$BUILD/quillbox
for tool in xvfb-run xdotool import convert compare python3; do
    command -v "$tool" > /dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done
[ -x "$APP" ] || { echo "FAIL: build quillbox first"; exit 1; }
# The clicks need a display of their own: run the rest of this script inside one.
if [ -z "${QUILLBOX_E2E_INSIDE:-}" ]; then
    export QUILLBOX_E2E_INSIDE=1
    exec timeout "${QUILLBOX_E2E_TIMEOUT:-170}" xvfb-run -a -s "-screen 0 480x640x24" bash "$0" "$@"
fi

DAY=2003-10-15 # a Wednesday
NOW="$DAY 10:00"
VIEW_W=240 # the main view's size: the window's minimum, and what --render paints
VIEW_H=268
VIEW_AREA=240x240+0+0 # all but the view selector, which keeps a focus the rendered one has not
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
export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/home/.config XDG_DATA_HOME=$WORK/home/.local/share
export XDG_RUNTIME_DIR=$WORK/runtime TZ=America/New_York
mkdir -p "$XDG_CONFIG_HOME/Larkware" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR" "$HOME/Documents"
chmod 700 "$XDG_RUNTIME_DIR"
CONF=$XDG_CONFIG_HOME/Larkware/Quillbox.conf
printf '[Settings]\nShowWelcome=0\nViewType=0\n' > "$CONF"
DATA=$WORK/data
mkdir -p "$DATA"

render() { # VIEW OUT [OPTION...]
    local view=$1 out=$2
    shift 2
    QT_QPA_PLATFORM=offscreen "$APP" --data-dir "$DATA" --now "$NOW" --render "$out" \
        --view "$view" "$@" 2> /dev/null || fail "--render --view $view $* exited $?"
}
# Pixels that differ between two images (an error counts as all of them).
differ() { # A B [GEOMETRY]
    local a=$1 b=$2 n
    if [ -n "${3:-}" ]; then
        convert "$1" -crop "$3" +repage "$WORK/da.png" && a=$WORK/da.png
        convert "$2" -crop "$3" +repage "$WORK/db.png" && b=$WORK/db.png
    fi
    n=$(compare -metric AE "$a" "$b" null: 2>&1)
    case $n in
        '' | *[!0-9]*) echo 999999 ;;
        *) echo "$n" ;;
    esac
}
# Runs a command every 0.2 s until it succeeds, TIMES times at most.
retry() { # TIMES COMMAND...
    local n=$1
    shift
    for _ in $(seq "$n"); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
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
view_is() { # same|different IMAGE [GEOMETRY]
    import -window root "$WORK/screen.png" &&
        convert "$WORK/screen.png" -crop "${VIEW_W}x${VIEW_H}+$VX+$VY" +repage "$WORK/view.png"
    N=$(differ "$WORK/view.png" "$2" "${3:-}")
    if [ "$1" = same ]; then [ "$N" -eq 0 ]; else [ "$N" -gt 0 ]; fi
}
# Waits (5 s at most) until the view matches (or, with "not", differs from) an image.
expect_view() { # NAME [not] IMAGE [GEOMETRY]
    local name=$1 want=same
    shift
    [ "$1" = not ] && want=different && shift
    local ok=yes
    retry 25 view_is $want "$@" || ok=no
    shot "$name"
    [ $ok = yes ] || fail "$name: the view is not $want as expected ($N pixels differ; see $LAST_SHOT)"
}
click() { # X Y of the view
    xdotool mousemove --sync $((VX + $1)) $((VY + $2)) click 1 || fail "xdotool click $1,$2"
    sleep 0.3
}
# Command strip slots: 20 pixels square, 25 apart from x 8, top 25 above the bottom; the same
# in the dialogs' command bars.
click_slot() { click $((18 + 25 * $1)) $((VIEW_H - 15)); }
click_dlg_slot() { # SLOT, in the dialog DLG
    eval "$(xdotool getwindowgeometry --shell "$DLG")"
    xdotool mousemove --window "$DLG" --sync $((18 + 25 * $1)) $((HEIGHT - 15)) click 1 ||
        fail "xdotool click in dialog"
    sleep 0.3
}
choose_view() { # KEY...: opens the view selector and moves in it
    click 199 $((VIEW_H - 14))
    sleep 0.5
    keys "$@" Return
}
keys() {
    xdotool key --delay 100 "$@" || fail "xdotool key $*"
    sleep 0.3
}
type_text() { xdotool type --delay 30 "$1" || fail "xdotool type"; }
find_window() { WIN=$(xdotool search --onlyvisible --name "^$1\$" 2> /dev/null | head -1) && [ -n "$WIN" ]; }
no_window() { ! find_window "$1"; }
# Waits (10 s at most) for a visible window titled exactly TITLE and activates it; DLG = its id.
wait_window() { # TITLE
    retry 50 find_window "$1" || { shot "no-$1"; fail "no window \"$1\" (see $LAST_SHOT)"; }
    DLG=$WIN
    xdotool windowactivate --sync "$DLG" 2> /dev/null || true
    sleep 0.3
}
wait_closed() { # TITLE
    retry 25 no_window "$1" || { shot "$1-stayed"; fail "\"$1\" stayed open (see $LAST_SHOT)"; }
}
# Starts Quillbox on $DATA at $NOW and finds its view on the screen (VX, VY).
start_app() {
    QT_QPA_PLATFORM=xcb "$APP" --data-dir "$DATA" --now "$NOW" > "$WORK/app.log" 2>&1 &
    APP_PID=$!
    retry 100 find_window Quillbox || { cat "$WORK/app.log"; fail "no Quillbox window"; }
    eval "$(xdotool getwindowgeometry --shell "$WIN")"
    VX=$X # the view fills the window under the menu bar
    VY=$((Y + HEIGHT - VIEW_H))
    [ "$WIDTH" -eq $VIEW_W ] || fail "the window is $WIDTH wide, not $VIEW_W"
}
ended() { ! kill -0 "$APP_PID" 2> /dev/null; }
# Exit, and Quillbox must end with 0.
exit_app() {
    click_slot 0
    retry 50 ended || fail "quillbox still running 10 s after Exit"
    wait "$APP_PID"
    CODE=$?
    APP_PID=
    [ "$CODE" -eq 0 ] || { cat "$WORK/app.log"; fail "quillbox exited $CODE"; }
}

step "start on an empty data folder"
render 0 "$WORK/empty0.png"
render 4 "$WORK/empty4.png" --day "$DAY"
start_app
expect_view classes-empty "$WORK/empty0.png"

step "Add: Setup Class; Chemistry, Graded; New: Setup Instructor, Marie Curie"
click_slot 4
wait_window "Setup Class"
CLASS_DLG=$DLG
type_text Chemistry
keys Tab Tab Tab space Tab Tab space # location, credits, Graded; the instructor list, New
wait_window "Setup Instructor"
type_text Marie
keys Tab
type_text Curie
keys Return
wait_closed "Setup Instructor"
DLG=$CLASS_DLG

step "Class Times: Wednesday, 9:00 to 9:50 AM"
click_dlg_slot 0
wait_window "Class Times"
keys Tab space Tab Tab Tab # "+", then to the day list
type_text W
keys Tab space # the inner OK: Wednesday at noon; the start time has the focus
type_text 900  # hour and minutes; then Down turns PM into AM
keys Down Tab
type_text 950
keys Down Return
wait_closed "Class Times"
DLG=$CLASS_DLG

step "OK with Total Pts 500: the class is saved and shown"
keys Tab Tab ctrl+a # New, the description, Total Pts
type_text 500
keys Return
wait_closed "Setup Class"
render 0 "$WORK/class0.png"
[ "$(differ "$WORK/class0.png" "$WORK/empty0.png")" -gt 0 ] || fail "the saved term shows no class"
expect_view classes-added "$WORK/class0.png"

step "View the class, Add: Reminder; a name and 20 points possible"
click 100 36
click_slot 3
expect_view class-detail not "$WORK/class0.png" 240x25+0+0
cp "$WORK/view.png" "$WORK/detail.png"
click_slot 3
wait_window Reminder
type_text "Museum visit essay"
# From the name, backwards: Cancel, OK, High Priority, Done, Drop, then the points possible.
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a
type_text 20
keys Return
wait_closed Reminder
expect_view detail-added not "$WORK/detail.png" $VIEW_AREA

step "Back; Edit the class: renamed Chemistry Lab"
click_slot 5
render 0 "$WORK/reminder0.png"
[ "$(differ "$WORK/reminder0.png" "$WORK/class0.png")" -gt 0 ] || fail "the saved term shows no reminder"
expect_view classes-reminder "$WORK/reminder0.png" $VIEW_AREA
click 100 36
click_slot 2
wait_window "Setup Class"
keys ctrl+a
type_text "Chemistry Lab"
keys Return
wait_closed "Setup Class"
render 0 "$WORK/renamed0.png"
[ "$(differ "$WORK/renamed0.png" "$WORK/reminder0.png")" -gt 0 ] || fail "the rename was not saved"
expect_view classes-renamed "$WORK/renamed0.png" $VIEW_AREA

step "Menu, Configuration: colour scheme Red, OK"
click_slot 1
keys Up Up Return # the item above Exit, the last one
wait_window Configuration
keys Tab r Return # the tab row has the focus; next is the colour scheme box
wait_closed Configuration
grep -qx 'COLORSCHEME=2' "$CONF" || fail "COLORSCHEME is not 2 in $CONF"
render 0 "$WORK/red0.png"
[ "$(differ "$WORK/red0.png" "$WORK/renamed0.png" $VIEW_AREA)" -gt 0 ] || fail "Red renders as Green"
expect_view classes-red "$WORK/red0.png" $VIEW_AREA

step "the Dates view, then Exit"
choose_view Down
render 1 "$WORK/dates1.png"
expect_view dates "$WORK/dates1.png" $VIEW_AREA
exit_app
grep -qx 'ViewType=1' "$CONF" || fail "ViewType is not 1 in $CONF: $(grep ViewType "$CONF")"
"$APP" agenda --data-dir "$DATA" --from "$DAY" --days 30 --json > "$WORK/agenda.json" ||
    fail "agenda exited $?"
python3 - "$DATA" "$WORK/agenda.json" << 'PY' || fail "the saved files lack part of what was entered"
import json, sys
term = open(f"{sys.argv[1]}/studentdef.stn", "rb").read()
teachers = open(f"{sys.argv[1]}/teachers.dat", "rb").read()
def has(blob, text):
    return text.encode("utf-16-le") in blob or text.encode("latin-1") in blob
for text in ["Chemistry Lab", "Curie", "Marie"]:
    assert has(term, text), text
assert has(teachers, "Curie"), "instructor list"
found = [r for r in json.load(open(sys.argv[2])) if r["name"] == "Museum visit essay"]
assert found and found[0]["class"] == "Chemistry Lab" and found[0]["points"]["possible"] == 20, found
PY

step "start again: the Dates view, today's Day view and the class detail as rendered"
start_app
expect_view dates-again "$WORK/dates1.png" $VIEW_AREA
render 4 "$WORK/day4.png" --day "$DAY"
[ "$(differ "$WORK/day4.png" "$WORK/empty4.png")" -gt 0 ] || fail "no class period on $DAY"
click 100 36
click_slot 3
expect_view day-again "$WORK/day4.png" $VIEW_AREA
click_slot 5
choose_view Up
render 5 "$WORK/detail5.png" --class 0
click 100 36
click_slot 3
expect_view detail-again "$WORK/detail5.png" $VIEW_AREA
click_slot 5
exit_app
echo "e2e: all steps passed; screenshots in $SHOTS"
