#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# An installed tesktest for a user who never registered anything: the build is installed
# into a folder of the test's own as its prefix, so that the system catalogue the install
# writes names the control library where it really lies. With XDG_DATA_DIRS at that
# installation's share/ and an empty user data folder, the phone control comes up and
# formats a number typed with real keys, and no user catalogue is made. With no system
# catalogue either, the program names the installed tool and library to register.
# Started as installed, without LD_LIBRARY_PATH: the programs and the control library
# find the runtime through their own search paths.
source "$SUITE_SOURCE_DIR/tools/e2e.sh"
build=$1
# Only root writes a catalogue for every user, as an installation in place does.
[[ $(id -u) == 0 ]] || { echo "installing a system catalogue needs root: skipped"; exit 77; }

e2e_start_display
e2e_start_accessibility
prefix="$E2E_WORK/prefix"
cmake --install "$build" --prefix "$prefix" >"$E2E_WORK/install.log" 2>&1 \
    || e2e_fail "the install failed: $(cat "$E2E_WORK/install.log")"
export XDG_DATA_HOME="$E2E_WORK/data" XDG_DATA_DIRS="$prefix/share"
mkdir "$XDG_DATA_HOME"
unset LD_LIBRARY_PATH

start_installed() {
    (cd "$E2E_WORK" && exec "$prefix/bin/tesktest") >"$E2E_WORK/program.log" 2>&1 &
    E2E_PROGRAM_PID=$!
}

# The captions of tesktest's labels, one a line.
label_captions() {
    local bus path found=""
    while read -r bus path; do
        [[ $(e2e_atspi_name "$bus" "$path") == tesktest ]] && found="$bus $path"
    done < <(e2e_atspi_children org.a11y.atspi.Registry /org/a11y/atspi/accessible/root)
    [[ -n $found ]] || e2e_fail "tesktest is not on the accessibility bus"
    while read -r bus path; do
        if [[ $(e2e_atspi_role "$bus" "$path") == label ]]; then
            e2e_atspi_name "$bus" "$path"
        fi
    done < <(e2e_atspi_objects $found)
}

# Waits until tesktest's labels show every one of the given captions.
expect_captions() {
    e2e_expect_lines "tesktest's labels" label_captions -- "$@"
}

start_installed
window=$(e2e_window "Form1")
e2e_focus "$window"
e2e_type "3124471234"
e2e_click_twips "$window" 3520 480      # Done
expect_captions "(312) 447-1234" "312.447.1234"
e2e_click_twips "$window" 4200 2100     # Exit
e2e_expect_exit 0
[[ -z $(ls -A "$XDG_DATA_HOME") ]] || e2e_fail "the program wrote into the user's data folder: $(find "$XDG_DATA_HOME")"
[[ -z $(grep -v '^QStandardPaths: ' "$E2E_WORK/program.log") ]] || e2e_fail "the program said: $(cat "$E2E_WORK/program.log")"

export XDG_DATA_DIRS="$E2E_WORK/no-share"
start_installed
message=$(e2e_window "tesktest")
labels=$(label_captions)
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")
library=$(readlink -f "$prefix/$libdir/desktop-suite/libtesk.so")
grep -qF "$prefix/bin/controls register $library" <<<"$labels" || e2e_fail "the message box shows: $labels"
e2e_focus "$message"
e2e_key Return
e2e_expect_exit 1
echo "installed tesktest end to end: passed"
