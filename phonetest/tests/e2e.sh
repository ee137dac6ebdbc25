#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# tesktest end to end: register the built phone control library into a user data folder
# of the test's own, type a number into the hosted control with real keys, press Done,
# read both value labels as a screen reader does, and Exit. Then, with the library
# unregistered, the program says how to register it and ends with status 1.
source "$SUITE_SOURCE_DIR/tools/e2e.sh"
tesktest=$1 controls=$2 tesk=$3

# The captions of a program's labels, one "<left> <top> <caption>" a line, the place in
# twips within the window part that holds the label, read through the accessibility bus.
label_captions() {
    local program=$1 bus path found=""
    while read -r bus path; do
        [[ $(e2e_atspi_name "$bus" "$path") == "$program" ]] && found="$bus $path"
    done < <(e2e_atspi_children org.a11y.atspi.Registry /org/a11y/atspi/accessible/root)
    [[ -n $found ]] || e2e_fail "$program is not on the accessibility bus"
    labels_under $found 0 0
}

labels_under() {
    local bus=$1 path=$2 parent_left=$3 parent_top=$4 role left top child_bus child_path
    role=$(e2e_atspi_role "$bus" "$path")
    read -r left top < <(e2e_atspi_call "$bus" "$path" org.a11y.atspi.Component.GetExtents "uint32 1" \
        | grep -oE -- '-?[0-9]+' | head -n 2 | tr '\n' ' '; echo)
    if [[ $role == label ]]; then
        echo "$(( (left - parent_left) * 15 )) $(( (top - parent_top) * 15 )) $(e2e_atspi_name "$bus" "$path")"
    fi
    while read -r child_bus child_path; do
        labels_under "$child_bus" "$child_path" "$left" "$top"
    done < <(e2e_atspi_children "$bus" "$path")
}

# Waits until the labels at the given places show exactly the given captions:
# expect_labels "<left> <top> <caption>"...
expect_labels() {
    e2e_expect_lines "tesktest's labels" label_captions tesktest -- "$@"
}

e2e_start_display
e2e_start_accessibility
export XDG_DATA_HOME="$E2E_WORK/data"
folder="$E2E_WORK/program"
mkdir "$folder"

registered=$("$controls" register "$tesk")
library=$(readlink -f "$tesk")
[[ $registered == "Registered tesk.phonectrl ($library)" ]] || e2e_fail "controls register said: $registered"
catalogue="$XDG_DATA_HOME/desktop-suite/controls.json"
[[ $(stat -c %a "$catalogue") == 600 ]] || e2e_fail "the catalogue is open to others: $(stat -c %A "$catalogue")"
python3 - "$catalogue" "$library" <<'PYTHON' || e2e_fail "the catalogue holds $(cat "$catalogue")"
import json, sys
classes = json.load(open(sys.argv[1]))["classes"]
entry = classes["tesk.phonectrl"]
assert list(classes) == ["tesk.phonectrl"]
assert entry["library"] == sys.argv[2]
assert entry["description"] == "TXM417 Tesk Phone Control"
assert [(m["name"], m["id"]) for m in entry["defaultInterface"]["members"]] == [("stdformat", "60030005"), ("trendformat", "60030006")]
PYTHON
before=$(cat "$catalogue")

# The compose key's sequences reach the program as input method commits, not as keys.
e2e_add_key Multi_key
QT_IM_MODULE=compose e2e_start_program "$tesktest" "$folder"
window=$(e2e_window "Form1")
e2e_focus "$window"
expect_labels "240 1560 " "120 2640 "   # stdform and fancy, empty before the first Done
e2e_key Multi_key 1 2   # composes "½" in the area code, where the focus starts
message=$(e2e_window "tesktest")
labels=$(label_captions tesktest)
grep -qF "only numbers are allowed" <<<"$labels" || e2e_fail "composing ½ showed: $labels"
e2e_focus "$message"
e2e_key Return
e2e_focus "$window"
e2e_type "3124471234"   # the focus moves on by itself from box to box
e2e_click_twips "$window" 3520 480      # Done
expect_labels "240 1560 (312) 447-1234" "120 2640 312.447.1234" "120 1200 Standard Phone Format"
e2e_click_twips "$window" 4200 2100     # Exit
e2e_expect_exit 0
[[ $(cat "$catalogue") == "$before" ]] || e2e_fail "the program changed the catalogue"
[[ -z $(ls -A "$folder" | grep -v '^tesktest$') ]] || e2e_fail "the program wrote into its folder: $(ls -A "$folder")"

"$controls" unregister "$tesk" >/dev/null
e2e_start_program "$tesktest" "$folder"
message=$(e2e_window "tesktest")
labels=$(label_captions tesktest)
grep -qF "tesk.phonectrl is not registered" <<<"$labels" || e2e_fail "the message box shows: $labels"
grep -qF "controls register <folder>/libtesk.so" <<<"$labels" || e2e_fail "the message box shows: $labels"
[[ -z $(xdotool search --onlyvisible --name '^Form1$' 2>/dev/null) ]] || e2e_fail "a half-built window is showing"
e2e_focus "$message"
e2e_key Return
e2e_expect_exit 1
echo "tesktest end to end: passed"
