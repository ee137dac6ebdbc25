// SPDX-License-Identifier: LGPL-2.1-or-later
#include "runtime/forms/form.h"

#include <gtest/gtest.h>

using namespace runtime;

namespace {

// A window that counts its loads in an object it is given, as a window of an application
// works with the application's shared data.
class CountingWindow : public Form {
public:
    explicit CountingWindow(int& loads) : loads_(loads) { design({"Counting", 1500, 1500}, {}); }

private:
    void Form_Load() override { ++loads_; }
    int& loads_;
};

class PlainWindow : public Form {
public:
    PlainWindow() { design({"Plain", 1500, 1500}, {}); }
};

}  // namespace

TEST(SingleInstance, FactoryMakesTheWindowOnFirstUseAndAfreshAfterTheCloseBox)
{
    int loads = 0;
    int made = 0;
    SingleInstance<CountingWindow> window{[&] {
        ++made;
        return std::make_unique<CountingWindow>(loads);
    }};
    EXPECT_EQ(window.existing(), nullptr);

    window->show();
    CountingWindow* first = window.existing();
    window->hide();
    window->show();
    EXPECT_EQ(window.existing(), first);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(loads, 1);

    first->window()->close();
    EXPECT_EQ(window.existing(), nullptr);
    window->show();
    EXPECT_EQ(made, 2);
    EXPECT_EQ(loads, 2);
}

TEST(SingleInstance, DefaultConstructsWithoutAFactory)
{
    SingleInstance<PlainWindow> window;
    window->show();
    EXPECT_EQ(window->caption(), "Plain");
    EXPECT_EQ(&*window, window.existing());
}
