// SPDX-License-Identifier: LGPL-2.1-or-later
#include "gradesfixture.h"

#include "runtime/forms/program.h"

namespace {

class Preferences : public GradesFixture {
protected:
    void enter(prefsedit& window, const QString& first, const QString& last)
    {
        window.instrfirst.setText("");
        window.instrlast.setText("");
        typeInto(window.instrfirst, first);
        typeInto(window.instrlast, last);
    }
};

struct NameRefusal {
    const char* name;
    const char* first;
    const char* last;
    const char* message;
    bool focusFirst;
};

void PrintTo(const NameRefusal& row, std::ostream* out) { *out << row.name; }

class NameRefusals : public Preferences, public ::testing::WithParamInterface<NameRefusal> {};

TEST_P(NameRefusals, ReportTheFirstMissingNameStoreNothingAndStayOpen)
{
    prefsedit& window = editPreferences();
    enter(window, GetParam().first, GetParam().last);
    window.done.press();
    EXPECT_EQ(shownTexts(), QStringList{GetParam().message});
    EXPECT_EQ(messages.shown().front().style.value(), 0);
    EXPECT_EQ(messages.shown().front().title, runtime::Program::title());
    EXPECT_TRUE((GetParam().focusFirst ? window.instrfirst : window.instrlast).hasFocus());
    EXPECT_EQ(app->data.instructorfirst, "");
    EXPECT_EQ(app->data.instructorlast, "");
    EXPECT_TRUE(window.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Preferences, NameRefusals, ::testing::Values(
    NameRefusal{"BothEmpty", "", "", "Instructor first name is required", true},
    NameRefusal{"FirstEmpty", "", "Lee", "Instructor first name is required", true},
    NameRefusal{"LastEmpty", "Ann", "", "Instructor last name is required", false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Preferences, DoneKeepsTheNamesAsTypedAndTheCloseBoxDropsLaterTexts)
{
    prefsedit& window = editPreferences();
    enter(window, "  ann ", " ");
    window.done.press();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(app->data.instructorfirst, "  ann ");
    EXPECT_EQ(app->data.instructorlast, " ");

    prefsedit& again = editPreferences();
    EXPECT_EQ(&again, &window);
    EXPECT_EQ(again.instrfirst.text(), "  ann ");
    enter(again, "Bob", "");
    pressCloseBox(again);
    EXPECT_EQ(app->data.instructorfirst, "  ann ");

    prefsedit& reloaded = editPreferences();
    EXPECT_EQ(reloaded.instrfirst.text(), "  ann ");
    EXPECT_EQ(reloaded.instrlast.text(), " ");
    EXPECT_TRUE(shownTexts().isEmpty());
}

TEST_F(Preferences, TheCloseBoxBeforeAnyDoneLeavesTheBoxesEmptyNextTime)
{
    enter(editPreferences(), "Ann", "Lee");
    pressCloseBox(*app->preferences.existing());
    prefsedit& reloaded = editPreferences();
    EXPECT_EQ(reloaded.instrfirst.text(), "");
    EXPECT_EQ(reloaded.instrlast.text(), "");
}

}  // namespace
