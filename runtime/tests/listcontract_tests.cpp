// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/base/error.h"
#include "runtime/forms/combobox.h"
#include "runtime/forms/listbox.h"
#include "runtime/testing/raised.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <type_traits>

// The list contract that every list control keeps, run against each of them: adding at
// the end or in order, removing, clearing, items and their numbers, the current entry and
// where the last text went. Every change here is the program's, so none raises Click.
namespace {

using runtime::testing::raisedNumber;

const int invalidIndex = 381;

template <typename List>
List listIn(typename List::Order order)
{
    if constexpr (std::is_same_v<List, runtime::ListBox>)
        return List(List::Selection::Single, order);
    else
        return List(order);
}

template <typename List>
class ListContract : public ::testing::Test {
protected:
    ListContract()
    {
        // Shown, as a window's lists are when the program changes them.
        for (List* list : {&asAdded, &sorted}) {
            list->Click.bind([this] { ++clicks; });
            list->widget()->show();
        }
    }

    void TearDown() override { EXPECT_EQ(clicks, 0) << "a change by the program raised Click"; }

    static QStringList entries(const List& list)
    {
        QStringList texts;
        for (int index = 0; index < list.count(); ++index)
            texts << list.item(index);
        return texts;
    }

    List asAdded = listIn<List>(List::Order::AsAdded);
    List sorted = listIn<List>(List::Order::Sorted);
    int clicks = 0;
};

struct ControlName {
    template <typename List>
    static std::string GetName(int)
    {
        return std::is_same_v<List, runtime::ListBox> ? "ListBox" : "ComboBox";
    }
};

using ListControls = ::testing::Types<runtime::ListBox, runtime::ComboBox>;
TYPED_TEST_SUITE(ListContract, ListControls, ControlName);

TYPED_TEST(ListContract, AddsAtTheEndOrInOrderAndTellsWhereTheLastWent)
{
    EXPECT_EQ(this->asAdded.newIndex(), -1);
    for (const char* name : {"Carol", "Alice", "Bob"})
        this->asAdded.addItem(name);
    EXPECT_EQ(this->asAdded.newIndex(), 2);
    EXPECT_EQ(this->asAdded.count(), 3);
    EXPECT_EQ(this->entries(this->asAdded), (QStringList{"Carol", "Alice", "Bob"}));

    for (const char* name : {"pear", "Apple", "banana"})
        this->sorted.addItem(name);
    EXPECT_EQ(this->sorted.newIndex(), 1);
    EXPECT_EQ(this->sorted.item(0), "Apple");
    EXPECT_EQ(this->sorted.item(2), "pear");
    this->sorted.addItem("apple");  // after the entry it equals, ignoring case
    EXPECT_EQ(this->sorted.newIndex(), 1);
    this->sorted.addItem("Cherry");
    EXPECT_EQ(this->sorted.newIndex(), 3);
    this->sorted.addItem("zoo");
    EXPECT_EQ(this->sorted.newIndex(), 5);
    EXPECT_EQ(this->entries(this->sorted), (QStringList{"Apple", "apple", "banana", "Cherry", "pear", "zoo"}));
}

TYPED_TEST(ListContract, RemovesClearsAndRefusesAnIndexOutsideTheList)
{
    auto& list = this->asAdded;
    for (const char* name : {"Carol", "Alice", "Bob"})
        list.addItem(name);
    list.removeItem(1);
    EXPECT_EQ(this->entries(list), (QStringList{"Carol", "Bob"}));
    EXPECT_EQ(list.count(), 2);
    for (int outside : {-1, 2}) {
        EXPECT_EQ(raisedNumber([&] { list.item(outside); }), invalidIndex) << outside;
        EXPECT_EQ(raisedNumber([&] { list.removeItem(outside); }), invalidIndex) << outside;
        EXPECT_EQ(raisedNumber([&] { list.itemNumber(outside); }), invalidIndex) << outside;
        EXPECT_EQ(raisedNumber([&] { list.setItemNumber(outside, 1); }), invalidIndex) << outside;
    }
    EXPECT_EQ(list.count(), 2);

    list.setCurrentIndex(1);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.newIndex(), -1);
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(raisedNumber([&] { list.item(0); }), invalidIndex);
}

// The current entry shows its text, stays with its entry as others come and go, and is
// gone with its entry; an index outside the list leaves it as it was.
TYPED_TEST(ListContract, TheCurrentEntryShowsItsTextAndMovesWithIt)
{
    auto& list = this->sorted;
    for (const char* name : {"Carol", "Alice", "Bob"})
        list.addItem(name);
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(list.text(), "");

    list.setCurrentIndex(1);
    EXPECT_EQ(list.currentIndex(), 1);
    EXPECT_EQ(list.text(), "Bob");
    for (int outside : {-2, 3}) {
        EXPECT_EQ(raisedNumber([&] { list.setCurrentIndex(outside); }), invalidIndex) << outside;
        EXPECT_EQ(list.currentIndex(), 1) << outside;
    }
    list.addItem("Abe");
    EXPECT_EQ(list.currentIndex(), 2);
    list.removeItem(0);
    EXPECT_EQ(list.currentIndex(), 1);
    EXPECT_EQ(list.item(list.currentIndex()), "Bob");

    list.setCurrentIndex(-1);
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(list.text(), "");

    list.setCurrentIndex(2);
    list.setCurrentIndex(0);
    EXPECT_EQ(list.text(), "Alice");
    list.removeItem(0);
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(list.count(), 2);
}

TYPED_TEST(ListContract, ItemNumbersStayWithTheirItems)
{
    for (const char* name : {"Carol", "Alice", "Bob"})
        this->asAdded.addItem(name);
    this->asAdded.setItemNumber(this->asAdded.newIndex(), 2'000'000'000);
    EXPECT_EQ(this->asAdded.itemNumber(2), 2'000'000'000);
    EXPECT_EQ(this->asAdded.itemNumber(0), 0) << "an item added has number 0";

    auto& list = this->sorted;
    list.addItem("m");
    list.setItemNumber(list.newIndex(), INT32_MIN);
    list.addItem("z");
    list.setItemNumber(list.newIndex(), 26);
    list.addItem("a");
    EXPECT_EQ(list.itemNumber(0), 0);
    EXPECT_EQ(list.itemNumber(1), INT32_MIN);
    EXPECT_EQ(list.itemNumber(2), 26);
    list.removeItem(1);
    EXPECT_EQ(list.item(1), "z");
    EXPECT_EQ(list.itemNumber(1), 26);
}

}  // namespace
