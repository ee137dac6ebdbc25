// SPDX-License-Identifier: LGPL-2.1-or-later
#include "gradesfixture.h"

#include <QTest>

namespace {

class NewGradeBook : public GradesFixture {};

TEST_F(NewGradeBook, WithoutSchoolFileSaysSoInBlackForFiveSeconds)
{
    newform& window = fileNew();
    window.help.press();  // does nothing
    EXPECT_EQ(window.msgs.caption(), "No school data defined yet");
    EXPECT_EQ(window.msgs.foreColor().value(), 0);
    EXPECT_EQ(window.schoollist.count(), 0);
    time.advance(4999);
    EXPECT_EQ(window.msgs.caption(), "No school data defined yet");
    time.advance(1);
    EXPECT_EQ(window.msgs.caption(), "");
    EXPECT_FALSE(window.msgtimer.enabled());
    EXPECT_TRUE(shownTexts().isEmpty());
}

TEST_F(NewGradeBook, ChoosingSchoolsPilesTheirEntriesUpBehindTheFirstText)
{
    folder.write("schools.dt", "A;CS,CIS;North\r\nB;EE;South,East\r\n");
    newform& window = fileNew();
    EXPECT_EQ(entries(window.schoollist), (QStringList{"A", "B"}));
    EXPECT_FALSE(window.msgtimer.enabled());
    clickEntry(window.schoollist, 0);
    EXPECT_EQ(window.Dept.text(), "CS");
    EXPECT_EQ(entries(window.Dept), (QStringList{"CIS"}));
    EXPECT_EQ(window.campuses.text(), "North");
    EXPECT_EQ(entries(window.campuses), QStringList{});
    clickEntry(window.schoollist, 1);
    EXPECT_EQ(window.Dept.text(), "CS");
    EXPECT_EQ(entries(window.Dept), (QStringList{"CIS", "EE"}));
    EXPECT_EQ(entries(window.campuses), (QStringList{"South", "East"}));
    clickEntry(window.schoollist, 0);
    QTest::keyClick(window.schoollist.widget(), Qt::Key_Down);  // the keyboard chooses too
    EXPECT_EQ(entries(window.Dept), (QStringList{"CIS", "EE", "CS", "CIS", "EE"}));
    EXPECT_EQ(entries(window.campuses), (QStringList{"South", "East", "North", "South", "East"}));
    window.Dept.setText("");  // an emptied text takes the next entry again
    clickEntry(window.schoollist, 0);
    EXPECT_EQ(window.Dept.text(), "CS");
}

struct OfferedLists {
    const char* name;
    const char* deptlist;
    const char* expectedText;
    QStringList expectedEntries;
};

void PrintTo(const OfferedLists& row, std::ostream* out) { *out << row.name; }

class OfferedListsTest : public GradesFixture, public ::testing::WithParamInterface<OfferedLists> {};

TEST_P(OfferedListsTest, SplitsTheStoredListAtCommasKeepingBlanksAndEmptyEntries)
{
    folder.write("schools.dt", QByteArray("A;") + GetParam().deptlist + ";North\r\n");
    newform& window = fileNew();
    clickEntry(window.schoollist, 0);
    EXPECT_EQ(window.Dept.text(), GetParam().expectedText);
    EXPECT_EQ(entries(window.Dept), GetParam().expectedEntries);
}

INSTANTIATE_TEST_SUITE_P(NewGradeBook, OfferedListsTest, ::testing::Values(
    OfferedLists{"Empty", "", "", {}},
    OfferedLists{"BlankAfterComma", "CS, CIS", "CS", {" CIS"}},
    OfferedLists{"EmptyEntryInside", "CS,,CIS", "CS", {"", "CIS"}},
    OfferedLists{"TrailingComma", "CS,", "CS", {""}},
    OfferedLists{"LeadingComma", ",CS,CIS", "CS", {"CIS"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(NewGradeBook, DoneHidesAndFileNewShowsTheSameWindowWithoutReading)
{
    folder.write("schools.dt", "A;CS,CIS;North\r\n");
    newform& window = fileNew();
    clickEntry(window.schoollist, 0);
    window.clsbook.setText("Fall book");
    window.newdone.press();
    EXPECT_FALSE(window.isVisible());
    folder.write("schools.dt", "A;CS,CIS;North\r\nB;EE;South\r\n");
    newform& again = fileNew();
    EXPECT_EQ(&again, &window);
    EXPECT_TRUE(again.isVisible());
    EXPECT_EQ(entries(again.schoollist), QStringList{"A"});
    EXPECT_EQ(again.schoollist.currentIndex(), 0);
    EXPECT_EQ(again.clsbook.text(), "Fall book");
    EXPECT_EQ(again.Dept.text(), "CS");
}

// The unloaded window's timer must not fire into it; the school table is not cleared.
TEST_F(NewGradeBook, CloseBoxUnloadsAndTheNextFileNewReadsAfresh)
{
    folder.write("schools.dt", "A;CS,CIS;North\r\nB;EE;South\r\nbad\r\n");
    newform& window = fileNew();
    EXPECT_TRUE(window.msgtimer.enabled());
    clickEntry(window.schoollist, 0);
    window.clsbook.setText("Fall book");
    pressCloseBox(window);
    EXPECT_EQ(app->newGradeBook.existing(), nullptr);
    EXPECT_FALSE(window.msgtimer.enabled());

    folder.write("schools.dt", "C;ME;West\r\n");
    newform& again = fileNew();
    EXPECT_EQ(entries(again.schoollist), QStringList{"C"});
    EXPECT_EQ(app->data.schools[1].sname, "B");
    EXPECT_EQ(again.schoollist.currentIndex(), -1);
    EXPECT_EQ(again.clsbook.text(), "");
    EXPECT_EQ(again.Dept.text(), "");
    EXPECT_EQ(again.Dept.count(), 0);
}

TEST_F(NewGradeBook, AddNewSchoolShowsOneWindowThatOutlivesTheGradeBookWindow)
{
    newschool& added = addNewSchool();
    added.schname.setText("Acme");
    newform& window = *app->newGradeBook.existing();
    window.addnew.press();
    EXPECT_EQ(app->addSchool.existing(), &added);
    pressCloseBox(window);
    EXPECT_TRUE(added.isVisible());
    fileNew().addnew.press();
    EXPECT_EQ(app->addSchool.existing(), &added);
    EXPECT_EQ(added.schname.text(), "Acme");
}

}  // namespace
