#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# solvane.ulistctrl in `controls try`, end to end with real keys and mouse: add items (a
# duplicate among them), click an entry, read count, close; check the lists a user sees
# and the log the window prints.
source "$SUITE_SOURCE_DIR/tools/e2e.sh"
controls=$1 solvane=$2

e2e_start_display
e2e_start_accessibility
export XDG_DATA_HOME="$E2E_WORK/data"
folder="$E2E_WORK/program"
mkdir "$folder"
"$controls" register "$solvane" >/dev/null || e2e_fail "controls register failed"

cp "$controls" "$folder/"
(cd "$folder" && LD_LIBRARY_PATH="$(dirname "$controls")/../lib" exec ./controls try solvane.ulistctrl) >"$E2E_WORK/program.log" 2>"$E2E_WORK/errors.log" &
E2E_PROGRAM_PID=$!
window=$(e2e_window "Try solvane.ulistctrl")
e2e_focus "$window"

# The members list starts on additem; the arguments box takes typed values, Enter calls.
e2e_click_twips "$window" 7860 3180          # the arguments box
for item in Apple Apple apple; do
    e2e_key ctrl+a
    e2e_type "\"$item\""
    e2e_key Return
done
e2e_expect_list controls 1 Apple apple        # the control's own list

e2e_click_twips "$window" 840 900            # the control's first entry
e2e_click_twips "$window" 5700 885           # additem in the members list
e2e_key Down Down                            # count
e2e_click_twips "$window" 6757 3637          # Read
e2e_expect_list controls 3 \
    'call additem "Apple" -> ok' \
    'call additem "Apple" -> ok' \
    'call additem "apple" -> ok' \
    'event clicked' \
    'get count -> "2"'

e2e_close_box "$window"
e2e_expect_exit 0
e2e_expect_file "$E2E_WORK/program.log" \
    'call additem "Apple" -> ok\ncall additem "Apple" -> ok\ncall additem "apple" -> ok\nevent clicked\nget count -> "2"\n'
grep -v '^QStandardPaths: ' "$E2E_WORK/errors.log" | grep -q . && e2e_fail "errors: $(cat "$E2E_WORK/errors.log")"
echo "controls try solvane.ulistctrl end to end: passed"
