# Shared by the click-through scripts: a display of their own, a scratch home, the sample term,
# renders of what a view should look like, screenshots, clicks, and starting and ending Quillbox.
# Source it from a script run as `SCRIPT BUILD_DIR`; it sets BUILD, APP, WORK, SHOTS, DATA, CONF.
# A dialog's window: `wait_window TITLE` waits for it and sets DLG (its window id).
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
    exec timeout "${QUILLBOX_E2E_TIMEOUT:-170}" xvfb-run -a -s "-screen 0 480x640x24" bash "$0" "$@"
fi

DAY=2003-10-15
NOW="$DAY 10:00"
VIEW_W=240 # the main view's size: the window's minimum, and what --render paints
VIEW_H=268

WORK=$(mktemp -d)
SHOTS=$BUILD/e2e-shots/$(basename "$0" .sh)
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

# A script that starts from an empty data folder sets E2E_EMPTY=1 before sourcing this file.
if [ -z "${E2E_EMPTY:-}" ]; then
    step "write the sample term for $DAY"
    "$SAMPLE" "$DATA" "$DAY" || fail "quillbox_sample exited $?"
    [ -s "$DATA/studentdef.stn" ] && [ -s "$DATA/teachers.dat" ] || fail "no data files in $DATA"
    INODE_BEFORE=$(stat -c %i "$DATA/studentdef.stn")
fi

# What each state should look like, painted off-screen from the same files and settings.
render() { # VIEW OUT
    QT_QPA_PLATFORM=offscreen "$APP" --data-dir "$DATA" --now "$NOW" --render "$2" --view "$1" \
        2> /dev/null
}
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

# Starts Quillbox on $DATA at $NOW and finds its view on the screen (VX, VY).
start_app() {
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
}
# Waits for Quillbox to end after its Exit and checks that it exited 0.
wait_exit() {
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
}
# Waits (10 s at most) for a visible window titled exactly TITLE and activates it; DLG = its id.
wait_window() { # TITLE
    DLG=
    for _ in $(seq 50); do
        DLG=$(xdotool search --onlyvisible --name "^$1\$" 2> /dev/null | head -1)
        [ -n "$DLG" ] && break
        sleep 0.2
    done
    [ -n "$DLG" ] || fail "no window \"$1\" within 10 s"
    xdotool windowactivate --sync "$DLG" 2> /dev/null || true
    sleep 0.3
}
