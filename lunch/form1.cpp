// SPDX-License-Identifier: LGPL-2.1-or-later
#include "form1.h"

#include "bill.h"

#include "runtime/base/integers.h"
#include "runtime/forms/program.h"

#include <cstdint>

using namespace runtime;

namespace {

constexpr Colour yellow = rgb(255, 255, 0);
constexpr Colour orange = rgb(255, 128, 0);

// The share of the sub total each button of `tips` adds, by index.
constexpr std::array<double, 3> tipRates = {0.2, 0.15, 0.1};

}  // namespace

Form1::Form1()
{
    design({"Form1", 9390, 5430, yellow}, {
        {&Label4,   "Welcome To The Bytegrill", 1080,  360, 7455,  375, 13,
            {.alignment = Alignment::Centre, .foreColor = orange, .font = Font{"Orbus Multiserif", 14.25f, true}}},
        {&Frame1,   "Food Choices",              240,  960, 8895, 1695,  0, {.foreColor = orange, .backColor = yellow}},
        {&Label1,   "Dinner",                   1200,  480, 1095,  255,  4, {.container = &Frame1, .alignment = Alignment::Centre}},
        {&Label2,   "Desserts",                 3960,  480, 1095,  255,  5, {.container = &Frame1, .alignment = Alignment::Centre}},
        {&Label3,   "Drinks",                   6720,  480, 1095,  255,  6, {.container = &Frame1, .alignment = Alignment::Centre}},
        {&dinner,   "",                          120,  840, 2895,  705,  1, {.container = &Frame1, .backColor = yellow}},
        {&dessert,  "",                         3240,  840, 3015,  705,  2, {.container = &Frame1, .backColor = yellow}},
        {&drinks,   "",                         6360,  840, 2295,  705,  3, {.container = &Frame1, .backColor = yellow}},
        {&Frame2,   "Tip Amounts",               120, 3000, 1575, 1695,  7,
            {.backColor = yellow, .font = Font{"MS Sans Serif", 9.75f, true, true}}},
        {&tips[2],  "10%",                       120,  240, 1095,  255,  8, {.container = &Frame2, .backColor = yellow}},
        {&tips[1],  "15%",                       120,  660,  975,  375,  9, {.container = &Frame2, .backColor = yellow}},
        {&tips[0],  "20%",                       120, 1200,  975,  255, 10, {.container = &Frame2, .backColor = yellow}},
        {&bill,     "",                         4320, 3000, 3855, 2295, 11, {.backColor = yellow, .accessibleName = "Bill"}},
        {&total,    "Total Bill",               2400, 3240,  975,  615, 12, {.backColor = yellow}},
        {&Command1, "Exit",                     2400, 4200,  975,  615, 14, {.backColor = yellow}},
    });

    total.Click.bind(this, &Form1::total_Click);
    Command1.Click.bind(this, &Form1::Command1_Click);
}

void Form1::Form_Load()
{
    // The menu, misspellings included; the price is the item number, in cents.
    const struct {
        ListBox& list;
        const char* itemText;
        std::int32_t cents;
    } menu[] = {
        {dinner,  "Radio Button Mushroom Burger - 2.35", 235},
        {dinner,  "Text Boxed Lunch - 8.95",             895},
        {dinner,  "Combo Sampler - 6.75",                675},
        {dessert, "Scroller Pie - 1.25",                 125},
        {dessert, "Dll-iciuos Ice Cream - 2.34",         234},
        {dessert, "Active Xtra Chocolate Cake - 1.23",   123},
        {drinks,  "Water - 0.01",                          1},
        {drinks,  "Soda Water - 0.95",                    95},
        {drinks,  "Coffee Extra Caffeine - 0.85",         85},
    };
    for (const auto& dish : menu) {
        dish.list.addItem(dish.itemText);
        dish.list.setItemNumber(dish.list.newIndex(), dish.cents);
    }
}

void Form1::total_Click()
{
    // Emptied first, so that a bill that cannot be made does not leave the last one standing.
    bill.setText("");
    Bill order;
    for (ListBox* list : {&dinner, &dessert, &drinks}) {
        const Short count = list->count();
        for (Short index = 0; index < count; ++index) {
            if (list->isSelected(index))
                order.addDish(list->item(index), list->itemNumber(index));
        }
    }
    for (std::size_t index = 0; index < tips.size(); ++index) {
        if (tips[index].value())
            order.setTipRate(tipRates[index]);
    }
    bill.setText(order.text());
}

void Form1::Command1_Click()
{
    end();
}
