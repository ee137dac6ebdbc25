// SPDX-License-Identifier: LGPL-2.1-or-later
#include "gradesfixture.h"

#include <QApplication>

#include <utility>
#include <vector>

namespace {

using Names = std::vector<std::pair<const runtime::Control*, const char*>>;

class Accessibility : public GradesFixture {
protected:
    static void expectNames(const Names& rows)
    {
        for (const auto& [control, name] : rows)
            EXPECT_EQ(runtime::testing::accessibleName(*control), name);
    }

    // The controls that Tab visits from the window's first control, once round.
    static std::vector<QWidget*> tabbedTo(std::initializer_list<const runtime::Control*> controls)
    {
        std::vector<QWidget*> widgets;
        for (const runtime::Control* control : controls)
            widgets.push_back(control->widget());
        return widgets;
    }
};

}  // namespace

TEST_F(Accessibility, EveryBoxAndListIsNamedByTheLabelThatDesignatesIt)
{
    newform& book = fileNew();
    expectNames({{&book.clsbook, "Tallyra Name"}, {&book.clstitle, "Class Name"}, {&book.schoollist, "School"}});
    // A combo box reads as its text; its label comes through the "labelled by" relation.
    for (const auto& [comboBox, label] : Names{{&book.Dept, "Dept"}, {&book.clsnum, "Class Number"},
                                                {&book.clssect, "Section"}, {&book.campuses, "Campus"}})
        EXPECT_EQ(runtime::testing::labelledBy(*comboBox), label);
    newschool& school = addNewSchool();
    expectNames({{&school.schname, "School name"}, {&school.depts, "List of department acronyms"},
                 {&school.campuses, "List of Campuses"}});
    prefsedit& preferences = editPreferences();
    expectNames({{&preferences.instrfirst, "First Name"}, {&preferences.instrlast, "Last Name"}});
}

// Tab goes round every control that takes the keyboard, in the designed tab order.
TEST_F(Accessibility, TabReachesEveryControlOfEveryWindow)
{
    newform& book = fileNew();
    EXPECT_EQ(runtime::testing::tabCycle(book.window()),
              tabbedTo({&book.clstitle, &book.schoollist, &book.clssect, &book.clsnum, &book.newdone, &book.addnew,
                        &book.help, &book.Dept, &book.campuses, &book.clsbook}));
    newschool& school = addNewSchool();
    EXPECT_EQ(runtime::testing::tabCycle(school.window()),
              tabbedTo({&school.depts, &school.campuses, &school.help, &school.done, &school.schname}));
    prefsedit& preferences = editPreferences();
    EXPECT_EQ(runtime::testing::tabCycle(preferences.window()),
              tabbedTo({&preferences.instrfirst, &preferences.instrlast, &preferences.done}));
}
