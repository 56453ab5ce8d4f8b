#!/usr/bin/env bash
# End to end through the Configuration sheet, as a person would: Quillbox in a real X server (Xvfb)
# on a sample term, driven with clicks and keys (xdotool). The colour scheme becomes Red and the
# bars change; a new term sets the term aside in the data folder and empties the classes; a
# restore of that file through the file picker brings the classes back. Each view is checked on
# a screenshot against what `quillbox --render` paints from the files and settings of that moment.
#
#   tests/e2e/e2e_config.sh BUILD_DIR      (needs xvfb-run, xdotool and ImageMagick)
#
# Screenshots stay in BUILD_DIR/e2e-shots/e2e_config.

. "$(dirname "$0")/e2e_lib.sh"

step "render the expected Classes view"
render 0 "$WORK/expect-green.png" || fail "--render exited $?"

step "start quillbox under Xvfb ($DISPLAY)"
start_app

# Everything but the view selector, which keeps the keyboard focus the rendered one has not.
VIEW_AREA=240x240+0+0

# Menu button, then "Configuration": the item above "Exit", the last one.
open_sheet() {
    click_slot 1
    sleep 0.3
    xdotool key Up Up Return || fail "xdotool key"
    wait_window Configuration
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
wait_window 'Select File'
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
wait_exit

echo "e2e_config: all steps passed; screenshots in $SHOTS"
exit 0
