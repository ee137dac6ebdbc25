// SPDX-License-Identifier: LGPL-2.1-or-later
#include "gradesfixture.h"

#include "runtime/forms/program.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace {

enum class Entry { Typed, Pasted };

// A school as typed into the three boxes ("\n" is Enter) or pasted into them as it
// stands, then what Add School shows.
struct SchoolRow {
    const char* name;
    const char* schoolName;
    const char* departments;
    const char* campusList;
    const char* expected;  // the refusal, or the line shown and appended
    int focus;             // the box refused: 0 name, 1 departments, 2 campuses; -1 none
    Entry entry = Entry::Typed;
};

void PrintTo(const SchoolRow& row, std::ostream* out) { *out << row.name; }

class AddSchool : public GradesFixture, public ::testing::WithParamInterface<SchoolRow> {
protected:
    void add(newschool& window, const SchoolRow& row)
    {
        const auto enter = row.entry == Entry::Typed ? &AddSchool::typeInto : &AddSchool::pasteInto;
        enter(window.schname, row.schoolName);
        enter(window.depts, row.departments);
        enter(window.campuses, row.campusList);
        window.done.press();
    }

    static void pasteInto(runtime::Control& box, const QString& text)
    {
        QApplication::clipboard()->setText(text);
        box.setFocus();
        QTest::keyClick(box.widget(), Qt::Key_V, Qt::ControlModifier);
    }
};

TEST_P(AddSchool, RefusesTheFirstFailingBoxOrShowsTheLineThenAppendsIt)
{
    const SchoolRow& row = GetParam();
    newschool& window = addNewSchool();
    messages.whileShown = [&](const runtime::MessageBoxRequest&) {
        EXPECT_EQ(folder.read("schools.dt"), "<missing>") << "written before OK";
    };
    add(window, row);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown().front().style.value(), 0);  // one OK button, no icon
    EXPECT_EQ(messages.shown().front().title, runtime::Program::title());
    EXPECT_TRUE(window.isVisible());
    if (row.focus >= 0) {
        EXPECT_EQ(shownTexts(), QStringList{row.expected});
        runtime::TextBox* boxes[] = {&window.schname, &window.depts, &window.campuses};
        EXPECT_TRUE(boxes[row.focus]->hasFocus());
        EXPECT_EQ(folder.read("schools.dt"), "<missing>");
    } else {
        EXPECT_EQ(shownTexts(), QStringList{QString("schstr is :") + row.expected + ":"});
        EXPECT_EQ(folder.read("schools.dt"), QByteArray(row.expected) + "\r\n");
    }
}

INSTANTIATE_TEST_SUITE_P(AddSchool, AddSchool, ::testing::Values(
    SchoolRow{"AllEmpty", "", "", "", "School name is required", 0},
    SchoolRow{"NameOnly", "Acme", "", "", "Department list is required", 1},
    SchoolRow{"CampusesEmpty", "Acme", "CS", "", "Campuses list is required", 2},
    SchoolRow{"SemicolonInName", "Acme;Tech", "CS", "North", "School name cannot contain \";\"", 0},
    SchoolRow{"SemicolonInNameBeforeEmptyDepartments", "A;B", "", "", "School name cannot contain \";\"", 0},
    SchoolRow{"SemicolonInDepartments", "Acme", "CS\nEE;ME", "North", "Department list cannot contain \";\"", 1},
    SchoolRow{"SemicolonInCampuses", "Acme", "CS", "North;South", "Campuses list cannot contain \";\"", 2},
    SchoolRow{"TabInName", "Acme\tTech", "CS", "North", "School name cannot contain control characters", 0, Entry::Pasted},
    SchoolRow{"ControlCharacterInDepartments", "Acme", "CS\r\nEE\x01", "North",
              "Department list cannot contain control characters", 1, Entry::Pasted},
    SchoolRow{"TabInCampuses", "Acme", "CS", "North\tSouth", "Campuses list cannot contain control characters", 2,
              Entry::Pasted},
    SchoolRow{"LineBreaksPastedIntoTheName", "Acme\r\nTech\nNorth", "CS\r\nCIS", "North",
              "Acme Tech North;CS,CIS;North", -1, Entry::Pasted},
    SchoolRow{"TwoDepartmentLines", "Acme Tech", "CS\nCIS", "North", "Acme Tech;CS,CIS;North", -1},
    SchoolRow{"OnlyALineBreak", "Acme", "\n", "North", "Acme;;North", -1},
    SchoolRow{"BlanksOnlyName", "   ", "CS", "North", "   ;CS;North", -1},
    SchoolRow{"NotAscii", "École Nord", "Génie", "Île", "École Nord;Génie;Île", -1}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(GradesFixture, AddSchoolKeepsTheFileAndItsBoxesSoAPressTwiceAddsTwoLines)
{
    folder.write("schools.dt", "Old;EE;East\r\n");
    newschool& window = addNewSchool();
    window.schname.setText("Acme");
    window.depts.setText("CS");
    window.campuses.setText("North");
    window.done.press();
    window.done.press();
    EXPECT_EQ(folder.read("schools.dt"), "Old;EE;East\r\nAcme;CS;North\r\nAcme;CS;North\r\n");
    EXPECT_TRUE(window.isVisible());
    window.help.press();
    EXPECT_TRUE(shownTexts().value(2).startsWith("enter the school name.")) << shownTexts().value(2).toStdString();
}

TEST_F(GradesFixture, AddSchoolCloseBoxEmptiesTheBoxesForTheNextShowing)
{
    newschool& window = addNewSchool();
    typeInto(window.schname, "Acme");
    typeInto(window.depts, "CS\nEE");
    pressCloseBox(window);
    newschool& again = addNewSchool();
    EXPECT_EQ(again.schname.text(), "");
    EXPECT_EQ(again.depts.text(), "");
}

}  // namespace
