#!/usr/bin/env bash
# End to end: a reminder added through the real Reminder dialog, its name and points typed, shows
# in the class detail, Classes and Dates views, and is in the term after a fresh start.
#
#   tests/e2e/e2e_reminders.sh BUILD_DIR      (needs xvfb-run, xdotool and ImageMagick)

. "$(dirname "$0")/e2e_lib.sh"

for v in 0 1; do
    render "$v" "$WORK/before$v.png" || fail "--render --view $v exited $?"
done

step "start quillbox under Xvfb ($DISPLAY)"
start_app
expect_view classes "$WORK/before0.png"

step "Biology, View: its class detail"
click 100 36
click_slot 3
expect_view class-detail not "$WORK/before0.png" 240x25+0+0
cp "$WORK/view.png" "$WORK/class-detail.png"

step "Add: the Reminder dialog; type a name, 20 points possible, due today; OK"
click_slot 3
wait_window Reminder
import -window "$DLG" "$SHOTS/reminder-dialog.png"
xdotool type --delay 20 "Museum visit essay"
# From the name, backwards: Cancel, OK, High Priority, Done, Drop, then the points possible.
xdotool key --delay 60 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a
xdotool type --delay 20 "20"
# Back through the description, the time's three fields and the year to the day: two days back.
xdotool key --delay 60 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab Down Down
import -window "$DLG" "$SHOTS/reminder-dialog-filled.png"
xdotool key Return
for _ in $(seq 25); do
    xdotool search --onlyvisible --name '^Reminder$' > /dev/null 2>&1 || break
    sleep 0.2
done
xdotool search --onlyvisible --name '^Reminder$' > /dev/null 2>&1 &&
    { shot dialog-stayed; fail "the dialog stayed open (see $LAST_SHOT)"; }

step "the class detail's list has one more row"
expect_view class-detail-added not "$WORK/class-detail.png" 240x240+0+0

step "the term was saved with it: the Classes and Dates views show it as rendered from the files"
for v in 0 1; do
    render "$v" "$WORK/after$v.png" || fail "--render --view $v exited $?"
    [ "$(differ "$WORK/after$v.png" "$WORK/before$v.png")" -gt 0 ] || fail "view $v shows no new reminder"
done
click_slot 5
expect_view classes-added "$WORK/after0.png" 240x240+0+0
click 199 $((VIEW_H - 14))
sleep 0.5
xdotool key Down Return || fail "xdotool key"
expect_view dates-added "$WORK/after1.png" 240x240+0+0

step "Exit, then read the term afresh"
click_slot 0
wait_exit
"$APP" agenda --data-dir "$DATA" --from "$DAY" --days 30 --json > "$WORK/agenda.json" ||
    fail "agenda exited $?"
grep -q '"Museum visit essay"' "$WORK/agenda.json" || fail "the reminder is not in the saved term"
python3 - "$WORK/agenda.json" << 'PY' || fail "the reminder's points were not kept"
import json, sys
data = json.load(open(sys.argv[1]))
found = [r for r in data if r["name"] == "Museum visit essay"]
assert found and found[0]["class"] == "Biology" and found[0]["points"]["possible"] == 20, found
PY
echo "e2e: all steps passed; screenshots in $SHOTS"
exit 0
