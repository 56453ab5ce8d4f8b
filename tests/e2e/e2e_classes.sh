#!/usr/bin/env bash
# End to end: from an empty data folder, a class built whole through the real dialogs (Setup
# Class, a new instructor, two meeting times, the 12 pt grade chart and a textbook) shows in the
# Classes, Day, Grades and class detail views, is saved, and is all there after a fresh start.
#
#   tests/e2e/e2e_classes.sh BUILD_DIR      (needs xvfb-run, xdotool and ImageMagick)

E2E_EMPTY=1
. "$(dirname "$0")/e2e_lib.sh"

mkdir -p "$DATA"
render 0 "$WORK/empty0.png" || fail "--render --view 0 exited $?"
render_day() { # OUT
    QT_QPA_PLATFORM=offscreen "$APP" --data-dir "$DATA" --now "$NOW" --render "$1" --view 4 \
        --day "$DAY" 2> /dev/null || fail "--render --view 4 exited $?"
}
render_day "$WORK/empty4.png"

# A click at a point of the dialog DLG.
click_in() { # X Y
    xdotool mousemove --window "$DLG" --sync "$1" "$2" click 1 || fail "xdotool click in dialog"
    sleep 0.3
}
# The dialog's own command bar: 20-pixel slots 25 apart from x 8, top 25 above its bottom.
click_dlg_slot() { # SLOT
    eval "$(xdotool getwindowgeometry --shell "$DLG")"
    click_in $((18 + 25 * $1)) $((HEIGHT - 15))
}
# Waits (5 s at most) until no visible window is titled TITLE.
wait_closed() { # TITLE
    for _ in $(seq 25); do
        xdotool search --onlyvisible --name "^$1\$" > /dev/null 2>&1 || return 0
        sleep 0.2
    done
    shot "$1-stayed"
    fail "\"$1\" stayed open (see $LAST_SHOT)"
}
keys() { xdotool key --delay 80 "$@" || fail "xdotool key $*"; }
type_text() { xdotool type --delay 30 "$1" || fail "xdotool type"; }

step "start quillbox on an empty data folder"
start_app
expect_view classes-empty "$WORK/empty0.png"

step "Add: Setup Class; name Chemistry, Graded"
click_slot 4
wait_window "Setup Class"
CLASS_DLG=$DLG
type_text Chemistry
keys Tab Tab Tab space # location, credits, Graded

step "New: Setup Instructor; Marie Curie"
keys Tab Tab space # the instructor list, New
wait_window "Setup Instructor"
type_text Marie
keys Tab
type_text Curie
import -window "$DLG" "$SHOTS/instructor-dialog.png"
keys Return
wait_closed "Setup Instructor"
DLG=$CLASS_DLG

step "Class Times: Monday, then Wednesday, 9:00 to 9:50 AM"
click_dlg_slot 0
wait_window "Class Times"
keys Tab space Tab Tab Tab # "+", then to the day list
type_text M
keys Tab space # the inner OK: Monday at noon; the start time has the focus
type_text 900 # hour and minutes; then Down turns PM into AM
keys Down Tab
type_text 950
keys Down
keys Tab Tab Tab Tab space Tab Tab Tab # OK, Cancel, the list, "+", then to the day list
type_text W
keys Tab space
import -window "$DLG" "$SHOTS/class-times-dialog.png"
keys Return
wait_closed "Class Times"
DLG=$CLASS_DLG

step "Grade List: 12 pt"
click_dlg_slot 1
wait_window "Grade List"
keys Tab Tab Tab Tab Tab Tab Tab space # from the letter to "12 pt"
import -window "$DLG" "$SHOTS/grade-list-dialog.png"
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab Return
wait_closed "Grade List"
DLG=$CLASS_DLG

step "Textbooks: Add one book"
click_dlg_slot 2
wait_window Textbooks
BOOKS_DLG=$DLG
click_dlg_slot 0
wait_window "Text Setup"
type_text "Chemistry Basics"
keys Tab
type_text Zumdahl
keys Tab ctrl+a
type_text 45.5
keys Return
wait_closed "Text Setup"
DLG=$BOOKS_DLG
import -window "$DLG" "$SHOTS/textbooks-dialog.png"
keys Return
wait_closed Textbooks
DLG=$CLASS_DLG

step "OK: the class is saved and shown"
import -window "$DLG" "$SHOTS/class-dialog.png"
keys Tab Tab ctrl+a # New, the description, Total Pts
type_text 500
keys Return
wait_closed "Setup Class"
[ -s "$DATA/studentdef.stn" ] && [ -s "$DATA/teachers.dat" ] || fail "no data files after OK"
for v in 0 3; do
    render "$v" "$WORK/after$v.png" || fail "--render --view $v exited $?"
done
render_day "$WORK/after4.png"
QT_QPA_PLATFORM=offscreen "$APP" --data-dir "$DATA" --now "$NOW" --render "$WORK/after5.png" \
    --view 5 --class 0 2> /dev/null || fail "--render --view 5 exited $?"
[ "$(differ "$WORK/after0.png" "$WORK/empty0.png")" -gt 0 ] || fail "the saved term shows no class"
[ "$(differ "$WORK/after4.png" "$WORK/empty4.png")" -gt 0 ] || fail "no class period on $DAY"
expect_view classes-added "$WORK/after0.png"

step "the Grades view"
click 199 $((VIEW_H - 14))
sleep 0.5
keys Down Down Down Return
expect_view grades "$WORK/after3.png" 240x240+0+0

step "back to Classes: the class detail"
click 199 $((VIEW_H - 14))
sleep 0.5
keys Up Up Up Return
click 100 36
click_slot 3
expect_view class-detail "$WORK/after5.png" 240x240+0+0

step "Exit; the files hold the class, its instructor, times, chart and book"
click_slot 5 # Back
click_slot 0
wait_exit
python3 - "$DATA" << 'PY' || fail "the saved files lack part of the class"
import sys
data = sys.argv[1]
term = open(f"{data}/studentdef.stn", "rb").read()
teachers = open(f"{data}/teachers.dat", "rb").read()
def has(blob, text):
    return text.encode("utf-16-le") in blob or text.encode("latin-1") in blob
for text in ["Chemistry", "Curie", "Marie", "Chemistry Basics", "Zumdahl", "A-", "D-", "C+"]:
    assert has(term, text), text
assert has(teachers, "Curie"), "instructor list"
PY

step "start again: the same Classes, Day and class detail"
start_app
expect_view classes-again "$WORK/after0.png"
click 100 36
click_slot 3
expect_view class-detail-again "$WORK/after5.png" 240x240+0+0
click_slot 5
click 199 $((VIEW_H - 14))
sleep 0.5
keys Down Return # Dates: today's heading, View: the Day view
click 100 36
click_slot 3
expect_view day-again "$WORK/after4.png" 240x240+0+0
click_slot 5
click_slot 0
wait_exit

echo "e2e: all steps passed; screenshots in $SHOTS"
exit 0
