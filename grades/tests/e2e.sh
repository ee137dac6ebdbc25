#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# grades end to end: read the names of the Add-a-school boxes as a screen reader does,
# add a school through the windows with real keys, clicks and a paste, check the exact
# bytes appended to the school list file, load the New Grade Book window afresh and find
# the school offered, then end the program from its File menu.
source "$SUITE_SOURCE_DIR/tools/e2e.sh"
grades=$1

# Waits until the clipboard holds a text with this line.
expect_clipboard_line() {
    local wanted=$1 attempt held=""
    for attempt in $(seq 50); do
        held=$(xclip -o -selection clipboard 2>/dev/null | tr -d '\r') || true
        grep -qxF -- "$wanted" <<<"$held" && return 0
        sleep 0.1
    done
    e2e_fail "the clipboard holds \"$held\", not a line \"$wanted\""
}

# The accessible objects of the program's window with this title, one "<bus> <path>" a line.
window_objects() {
    local program=$1 title=$2 bus path
    while read -r bus path; do
        [[ $(e2e_atspi_name "$bus" "$path") == "$program" ]] || continue
        while read -r bus path; do
            [[ $(e2e_atspi_name "$bus" "$path") == "$title" ]] && e2e_atspi_objects "$bus" "$path"
        done < <(e2e_atspi_children "$bus" "$path")
    done < <(e2e_atspi_children org.a11y.atspi.Registry /org/a11y/atspi/accessible/root)
}

# Waits until the program's window with this title shows a control with exactly this text.
expect_window_text() {
    local program=$1 title=$2 wanted=$3 attempt bus path
    for attempt in $(seq 25); do
        while read -r bus path; do
            [[ $(e2e_atspi_name "$bus" "$path") == "$wanted" ]] && return 0
        done < <(window_objects "$program" "$title")
        sleep 0.2
    done
    e2e_fail "the window \"$title\" of $program shows no \"$wanted\""
}

# Waits until the program's window with this title has a control of this role (a role as
# the accessibility bus names it, "text" for a box) announced by exactly this name.
expect_named_control() {
    local program=$1 title=$2 role=$3 wanted=$4 attempt bus path name seen=""
    for attempt in $(seq 25); do
        seen=""
        while read -r bus path; do
            [[ $(e2e_atspi_role "$bus" "$path") == "$role" ]] || continue
            name=$(e2e_atspi_name "$bus" "$path")
            seen+=" \"$name\""
            [[ $name == "$wanted" ]] && return 0
        done < <(window_objects "$program" "$title")
        sleep 0.2
    done
    e2e_fail "the window \"$title\" of $program has no $role named \"$wanted\"; its ${role}s are named:$seen"
}

expect_school_file() {
    local attempt
    for attempt in $(seq 50); do
        cmp -s "$folder/schools.dt" <(printf "$1") && return 0
        sleep 0.1
    done
    e2e_expect_file "$folder/schools.dt" "$1"
}

e2e_start_display
e2e_start_accessibility
folder="$E2E_WORK/program" && mkdir "$folder"
printf 'Old School;EE;East\r\n' >"$folder/schools.dt"
e2e_start_program "$grades" "$folder"

main=$(e2e_window "Grade Book")
e2e_focus "$main"
e2e_key ctrl+n
book=$(e2e_window "New Grade Book")
e2e_focus "$book"
e2e_click_twips "$book" 3900 2880            # Add new school, in the frame at 2520, 2520

school=$(e2e_window "Add a new school")
expect_named_control grades "Add a new school" text "School name"
expect_named_control grades "Add a new school" text "List of department acronyms"
e2e_focus "$school"
e2e_click_twips "$school" 900 660            # school name
e2e_type "Acme"
printf '\r\nTech' | xclip -selection clipboard >/dev/null 2>&1  # a pasted line break becomes a space
e2e_key ctrl+v
e2e_click_twips "$school" 1080 1920          # departments, one a line
e2e_type "CS"
e2e_key Return
e2e_type "CIS"
e2e_click_twips "$school" 3600 1920          # campuses
e2e_type "North"
e2e_click_twips "$school" 4080 600           # Add School

message=$(e2e_window "Grades")
expect_window_text grades Grades "schstr is :Acme Tech;CS,CIS;North:"
e2e_expect_file "$folder/schools.dt" 'Old School;EE;East\r\n'
e2e_focus "$message"
e2e_key Return                               # OK
expect_school_file 'Old School;EE;East\r\nAcme Tech;CS,CIS;North\r\n'

# The loaded window does not see the new school; after its close box it is read afresh.
e2e_expect_list grades 1 "Old School"
e2e_close_box "$book"
e2e_focus "$main"
e2e_key ctrl+n
book=$(e2e_window "New Grade Book")
e2e_expect_list grades 1 "Old School" "Acme Tech"
e2e_focus "$book"
e2e_key Tab Tab                              # from the grade book name to the school list
e2e_key End                                  # the last school: offers its departments
e2e_key ctrl+c
expect_clipboard_line "Acme Tech"
e2e_click_twips "$book" 4400 630             # the text of Dept, in the frame at 2760, 120
e2e_key ctrl+a ctrl+c
expect_clipboard_line "CS"

e2e_focus "$main"
e2e_key alt+f e                              # File > Exit, with the other windows open
e2e_expect_exit 0
expect_school_file 'Old School;EE;East\r\nAcme Tech;CS,CIS;North\r\n'
echo "grades end to end: passed"
