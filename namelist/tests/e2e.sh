#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# vornd end to end: load, find, delete, exit with the save question, check the file.
source "$SUITE_SOURCE_DIR/tools/e2e.sh"
vornd=$1

e2e_start_display
folder="$E2E_WORK/program"
mkdir "$folder"
printf 'Smith John\r\nbrown ann\r\nSmith Mary\r\n' >"$folder/vorn.txt"
e2e_start_program "$vornd" "$folder"

window=$(e2e_window "Vorn Solution")
e2e_focus "$window"
e2e_click_twips "$window" 900 540            # Load Data
e2e_click_twips "$window" 1080 1380          # the target box
e2e_type "SMITH"
e2e_click_twips "$window" 1860 2280          # Find Last Name
e2e_click_twips "$window" 3900 840           # the first result: Smith,John
e2e_click_twips "$window" 5220 2520          # Delete Name
e2e_click_twips "$window" 900 3300           # Exit

question=$(e2e_window "Unsaved Data")
e2e_focus "$question"
e2e_key alt+y
e2e_expect_exit 0
e2e_expect_file "$folder/vorno.txt" 'Brown Ann\r\nSmith Mary\r\n'
e2e_expect_file "$folder/vorn.txt" 'Smith John\r\nbrown ann\r\nSmith Mary\r\n'
echo "vornd end to end: passed"
