#!/usr/bin/env bash
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

step="describe"
run describe solvane.ulistctrl
[[ $status -eq 0 ]] || fail "describe: status $status"
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
toolbox picture (16 x 15, 16 colours):
  0000000000000000
  0ffffffffff07770
  0f00f000fff07070
  0ffffffffff00000
  0f000f00fff07770
  0ffffffffff07770
  0444444444407770
  04ff4fff44407770
  0444444444407770
  0ffffffffff07770
  0f0000f0fff07770
  0ffffffffff00000
  0f00f00ffff07070
  0ffffffffff07770
  0000000000000000"

# The edge cases, by name and by member identifier. The list is made one row high before
# the click, so that the click in its middle lands on the first entry whatever the font.
step="script"
cat >"$work/edges.txt" <<'SCRIPT'
' A new instance, then Apple / apple, Apple twice, a trailing blank, the empty text twice.
get count
get selected
call additem "Apple"
call additem "apple"
call additem "Apple"
get count
call additem "Apple "
call 0x60030004 ""
call &H60030004 ""
get 0x68030000
call additem 12
call additem
put count "9"
resize 1470 225
click ulist
get selected
resize 3000 2000
children
canunload
destroy
get count
canunload
SCRIPT
run script solvane.ulistctrl "$work/edges.txt"
[[ $status -eq 0 ]] || fail "script: status $status: $(cat "$work/error")"
expect_output 'get count -> "0"
get selected -> ""
call additem "Apple" -> ok
call additem "apple" -> ok
call additem "Apple" -> ok
get count -> "2"
call additem "Apple " -> ok
call 0x60030004 "" -> ok
call &H60030004 "" -> ok
get 0x68030000 -> "4"
call additem 12 -> error 13: Type mismatch
call additem -> error 450: Wrong number of arguments or invalid property assignment
put count "9" -> error 383: Can'"'"'t assign to read-only property
resize 1470 225 -> 1470 x 225
event clicked
get selected -> "Apple"
resize 3000 2000 -> 3000 x 2000
ulist: left 0, top 0, width 3000, height 2000
canunload -> no
destroy -> ok
get count -> error 91: The control has been destroyed
canunload -> yes'

# From standard input too; a member the control does not have is named, and fails the run.
step="script from standard input"
status=0
printf 'call additem "x"\ncall removeitem "x"\nget count\n' | "$controls" script solvane.ulistctrl >"$work/out" 2>"$work/error" || status=$?
[[ $status -eq 1 ]] || fail "an unknown member: status $status, expected 1"
expect_output 'call additem "x" -> ok
line 2: the control has no member named removeitem
get count -> "1"'

step="unregister"
run unregister "$library"
[[ $status -eq 0 ]] || fail "unregister: status $status"
expect_output "Unregistered solvane.ulistctrl ($library)"
run script solvane.ulistctrl "$work/edges.txt"
[[ $status -eq 1 ]] || fail "a script against an unregistered class: status $status, expected 1"
grep -q "^Cannot create the control solvane.ulistctrl: the class solvane.ulistctrl is not registered$" "$work/error" \
    || fail "an unregistered class: $(cat "$work/error")"
echo "controls against solvane.ulistctrl: passed"
