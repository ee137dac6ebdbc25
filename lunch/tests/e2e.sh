#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# brakka end to end: mark dishes with the mouse and the keyboard, pick a tip, press
# Total Bill, and read the whole bill back through the clipboard as the user would copy it.
source "$SUITE_SOURCE_DIR/tools/e2e.sh"
brakka=$1

e2e_start_display
folder="$E2E_WORK/program"
mkdir "$folder"
# Money in the user's locale: dollars and cents here.
export LC_ALL=en_US.UTF-8
e2e_start_program "$brakka" "$folder"

window=$(e2e_window "Form1")
e2e_focus "$window"
# The lists sit in the frame "Food Choices" at 240, 960; their first rows 120 twips down.
e2e_click_twips "$window" 960 1920           # dinner: Radio Button Mushroom Burger
e2e_click_twips "$window" 7200 1920          # drinks: Water
e2e_click_twips "$window" 4080 1920          # dessert: Scroller Pie
e2e_key Down Down space                      # dessert: Active Xtra Chocolate Cake
e2e_click_twips "$window" 330 3847           # tips: "15%" in the frame "Tip Amounts"
e2e_click_twips "$window" 2887 3547          # Total Bill

e2e_click_twips "$window" 6000 4800          # into the bill
e2e_key ctrl+a ctrl+c
bill=$(e2e_clipboard)
expected=$'\nRadio Button Mushroom Burger - 2.35\nScroller Pie - 1.25\nActive Xtra Chocolate Cake - 1.23\nWater - 0.01'
expected+=$'\n---------------\nSub Total = $4.84\nTip = $0.73\nTotal = $5.57'
[[ $bill == "$expected" ]] || e2e_fail "the bill reads:"$'\n'"$bill"

e2e_click_twips "$window" 2887 4507          # Exit
e2e_expect_exit 0
[[ $(ls -A "$folder") == brakka ]] || e2e_fail "files were written: $(ls -A "$folder")"
echo "brakka end to end: passed"
