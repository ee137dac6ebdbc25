#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# quenta end to end: started in a prepared current folder, its window lists the data
# files there, in the order the folder lists them, and nothing else; nothing is written.
source "$SUITE_SOURCE_DIR/tools/e2e.sh"
quenta=$1

e2e_start_display
e2e_start_accessibility
folder="$E2E_WORK/program"
current="$E2E_WORK/current"
mkdir "$folder" "$current" "$current/folder.dt"
touch "$current/alpha.dt" "$current/beta.dt" "$current/gamma.dt" "$current/.hidden.dt" \
    "$current/notes.txt" "$current/beta.dt.old" "$folder/own.dt"
e2e_start_program "$quenta" "$folder" "$current"

window=$(e2e_window "Form1")
# find reads the folder in its own order, as the program's search does.
mapfile -t expected < <(find "$current" -mindepth 1 -maxdepth 1 -type f -name '*.dt' ! -name '.*' -printf '%f\n')
[[ $(printf '%s\n' "${expected[@]}" | sort | tr '\n' ' ') == "alpha.dt beta.dt gamma.dt " ]] \
    || e2e_fail "the prepared folder holds ${expected[*]}"
e2e_expect_list quenta 1 "${expected[@]}"

# Choosing an entry changes nothing.
e2e_focus "$window"
e2e_click_twips "$window" 2700 840
e2e_key Down Down Up
e2e_expect_list quenta 1 "${expected[@]}"

e2e_close_box "$window"                      # the window's close box ends the program
e2e_expect_exit 0
[[ $(ls -A "$folder" | tr '\n' ' ') == "own.dt quenta " ]] || e2e_fail "files were written: $(ls -A "$folder")"
[[ $(ls -A "$current" | wc -l) -eq 7 ]] || e2e_fail "files were written: $(ls -A "$current")"
echo "quenta end to end: passed"
