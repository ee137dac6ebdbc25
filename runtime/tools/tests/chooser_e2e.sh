#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# `controls try` without a class identifier, end to end with real keys and mouse: Escape
# leaves the chooser and the program; Enter or a double-click on a class opens its try-out
# window in the chooser's place, and the program ends with that window.
source "$SUITE_SOURCE_DIR/tools/e2e.sh"
controls=$1 sample=$2

e2e_start_display
export XDG_DATA_HOME="$E2E_WORK/data" XDG_DATA_DIRS="$E2E_WORK/system"
folder="$E2E_WORK/program"
mkdir "$folder"
cp "$controls" "$folder/"
"$controls" register "$sample" >/dev/null || e2e_fail "controls register failed"

start_chooser() {
    (cd "$folder" && LD_LIBRARY_PATH="$(dirname "$controls")/../lib" exec ./controls try) \
        >"$E2E_WORK/program.log" 2>&1 &
    E2E_PROGRAM_PID=$!
    chooser=$(e2e_window "Choose a Control")
    e2e_focus "$chooser"
}

# The chooser of a program that opened the try-out window is gone from the screen.
expect_chooser_gone() {
    ! xdotool search --onlyvisible --name "^Choose a Control\$" >/dev/null || e2e_fail "the chooser is still shown"
}

start_chooser
e2e_key Escape
e2e_expect_exit 0

start_chooser
e2e_key Return
tryout=$(e2e_window "Try sample.sampler")
expect_chooser_gone
e2e_close_box "$tryout"
e2e_expect_exit 0

start_chooser
e2e_double_click_twips "$chooser" 1200 480   # the first class
tryout=$(e2e_window "Try sample.sampler")
expect_chooser_gone
e2e_close_box "$tryout"
e2e_expect_exit 0
grep -v '^QStandardPaths: ' "$E2E_WORK/program.log" | grep -q . && e2e_fail "output: $(cat "$E2E_WORK/program.log")"
echo "controls try without a class end to end: passed"
