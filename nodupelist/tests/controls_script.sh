#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# The runtime's tool `controls` registers, describes and drives solvane.ulistctrl, in a
# user data folder of the test's own; every output is compared whole.
set -euo pipefail
controls=$1
library=$(realpath "$2")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Runs the tool; keeps its output in $work/out and $work/error, and its status in $status.
run() {
    status=0
    "$controls" "$@" >"$work/out" 2>"$work/error" || status=$?
}

expect_output() {
    local expected=$1
    diff -u <(printf '%s\n' "$expected") "$work/out" || fail "controls $step: its output differs"
}

step="register"
run register "$library"
[[ $status -eq 0 ]] || fail "register: status $status: $(cat "$work/error")"
expect_output "Registered solvane.ulistctrl ($library)"

step="describe"   # up to the picture's rows
run describe solvane.ulistctrl
[[ $status -eq 0 ]] || fail "describe: status $status"
sed -i '/^toolbox picture/q' "$work/out"
expect_output "solvane.ulistctrl
description: Listbox which doesn't add duplicates
library: solvane {638379f5-32ec-4f4a-b835-aad334dabbec} ($library)
class: ulistctrl {6cbe03b0-7cc9-4ef5-b35d-33ce8c8a638a}, a control, threading model Apartment
default interface _ulistctrl {559dcad6-702a-4f56-8d41-2cdf9f45eacb} (dual, hidden)
  60030004  method                additem(ByRef str As String)
            Adds str at the end unless the list holds it already
  68030001  property (read-only)  selected As String
            The text of the selected item; empty with none selected
  68030000  property (read-only)  count As String
            The number of items, as decimal text
event interface __ulistctrl {a2b4d854-ddbf-42b7-8784-c549cbf28434} (dispatch only, hidden)
  1         event                 clicked()
            The list was clicked
toolbox picture (16 x 15, 16 colours):"

# Driven by name and by member identifier (the edge cases and wrong calls are in
# component_tests.cpp). One row high, the list takes a click in its middle on its first
# entry whatever the font.
step="script"
cat >"$work/script.txt" <<'SCRIPT'
call additem "Apple"
call 0x60030004 "apple"
call additem "Apple"
get 0x68030000
resize 1470 225
click ulist
get selected
canunload
destroy
canunload
SCRIPT
run script solvane.ulistctrl "$work/script.txt"
[[ $status -eq 0 ]] || fail "script: status $status: $(cat "$work/error")"
expect_output 'call additem "Apple" -> ok
call 0x60030004 "apple" -> ok
call additem "Apple" -> ok
get 0x68030000 -> "2"
resize 1470 225 -> 1470 x 225
event clicked
get selected -> "Apple"
canunload -> no
destroy -> ok
canunload -> yes'

step="unregister"
run unregister "$library"
[[ $status -eq 0 ]] || fail "unregister: status $status"
expect_output "Unregistered solvane.ulistctrl ($library)"
run script solvane.ulistctrl "$work/script.txt"
[[ $status -eq 1 ]] || fail "a script against an unregistered class: status $status, expected 1"
grep -q "^Cannot create the control solvane.ulistctrl: the class solvane.ulistctrl is not registered$" "$work/error" \
    || fail "an unregistered class: $(cat "$work/error")"
echo "controls against solvane.ulistctrl: passed"
