#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# pellix end to end: entries of pellix.txt move between the two lists by real clicks and
# double-clicks and a drag, one at a time, as the user sees them; the file is left as it was.
source "$SUITE_SOURCE_DIR/tools/e2e.sh"
pellix=$1

e2e_start_display
e2e_start_accessibility
folder="$E2E_WORK/program"
mkdir "$folder"
printf 'alpha\r\nbeta\r\n\r\ngamma\r\nbeta\r\n' >"$folder/pellix.txt"
e2e_start_program "$pellix" "$folder"

window=$(e2e_window "Form1")
e2e_focus "$window"
e2e_expect_list pellix 1 alpha beta "" gamma beta
e2e_expect_list pellix 2

# The first row of each list is 120 twips below its top edge, the second 240.
left_first_row=(520 840)
right_first_row=(3640 840)

e2e_double_click_twips "$window" "${left_first_row[@]}"
e2e_expect_list pellix 2 alpha
e2e_double_click_twips "$window" "${left_first_row[@]}"
e2e_expect_list pellix 1 "" gamma beta
e2e_expect_list pellix 2 alpha beta

# A click on the right moves back at once; of a double-click only the first click
# moves, and the second selects the entry that slid under the pointer.
e2e_double_click_twips "$window" "${right_first_row[@]}"
e2e_expect_list pellix 1 "" gamma beta alpha
e2e_expect_list pellix 2 beta
# Another point of the row, further than a double-click reaches, so that this is a click.
e2e_click_twips "$window" 3300 840
e2e_expect_list pellix 1 "" gamma beta alpha beta
e2e_expect_list pellix 2

e2e_click_twips "$window" "${left_first_row[@]}"    # select the empty entry, then "< == >"
e2e_click_twips "$window" 2107 1087
e2e_expect_list pellix 1 gamma beta alpha beta
e2e_expect_list pellix 2 ""

# A press on one entry dragged to the next and released there is one click on the
# entry it ends on: that entry moves back, and only that one.
e2e_double_click_twips "$window" "${left_first_row[@]}"
e2e_expect_list pellix 1 beta alpha beta
e2e_expect_list pellix 2 "" gamma
xdotool mousemove --window "$window" $(( 3640 / 15 )) $(( 840 / 15 )) mousedown 1 \
    mousemove --window "$window" $(( 3640 / 15 )) $(( 960 / 15 )) mouseup 1
e2e_expect_list pellix 1 beta alpha beta gamma
e2e_expect_list pellix 2 ""

e2e_click_twips "$window" 3847 2587                 # Exit
e2e_expect_exit 0
e2e_expect_file "$folder/pellix.txt" 'alpha\r\nbeta\r\n\r\ngamma\r\nbeta\r\n'
[[ $(ls -A "$folder" | tr '\n' ' ') == "pellix pellix.txt " ]] || e2e_fail "files were written: $(ls -A "$folder")"
echo "pellix end to end: passed"
