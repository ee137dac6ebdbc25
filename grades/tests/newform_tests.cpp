#include "gradesfixture.h"

#include <QTest>

namespace {

constexpr long red = 255;
constexpr long black = 0;

class NewGradeBook : public GradesFixture {};

TEST_F(NewGradeBook, WithoutSchoolFileSaysSoInBlackForFiveSeconds)
{
    newform& window = fileNew();
    EXPECT_EQ(window.msgs.caption(), "No school data defined yet");
    EXPECT_EQ(window.msgs.foreColor().value(), black);
    EXPECT_EQ(window.schoollist.count(), 0);

    time.advance(4999);
    EXPECT_EQ(window.msgs.caption(), "No school data defined yet");
    time.advance(1);
    EXPECT_EQ(window.msgs.caption(), "");
    EXPECT_FALSE(window.msgtimer.enabled());
    EXPECT_TRUE(shownTexts().isEmpty());
}

TEST_F(NewGradeBook, ListsTheSchoolsInFileOrderAndFillsTheTable)
{
    writeFile("schools.dt", "A;CS,CIS;North\r\nB;EE;South,East\r\n");
    newform& window = fileNew();
    EXPECT_EQ(entries(window.schoollist), (QStringList{"A", "B"}));
    EXPECT_EQ(app->data.schools[1].sname, "B");
    EXPECT_EQ(app->data.schools[1].deptlist, "EE");
    EXPECT_EQ(app->data.schools[1].camplist, "South,East");
    EXPECT_EQ(window.msgs.caption(), "");
    EXPECT_FALSE(window.msgtimer.enabled());
}

TEST_F(NewGradeBook, ChoosingSchoolsPilesTheirEntriesUpBehindTheFirstText)
{
    writeFile("schools.dt", "A;CS,CIS;North\r\nB;EE;South,East\r\n");
    newform& window = fileNew();

    clickEntry(window.schoollist, 0);
    EXPECT_EQ(window.Dept.text(), "CS");
    EXPECT_EQ(entries(window.Dept), (QStringList{"CIS"}));
    EXPECT_EQ(window.campuses.text(), "North");
    EXPECT_EQ(entries(window.campuses), QStringList{});

    clickEntry(window.schoollist, 1);
    EXPECT_EQ(window.Dept.text(), "CS");
    EXPECT_EQ(entries(window.Dept), (QStringList{"CIS", "EE"}));
    EXPECT_EQ(window.campuses.text(), "North");
    EXPECT_EQ(entries(window.campuses), (QStringList{"South", "East"}));

    clickEntry(window.schoollist, 0);
    EXPECT_EQ(entries(window.Dept), (QStringList{"CIS", "EE", "CS", "CIS"}));
    EXPECT_EQ(entries(window.campuses), (QStringList{"South", "East", "North"}));
}

TEST_F(NewGradeBook, KeyboardChoiceOffersTheSchoolToo)
{
    writeFile("schools.dt", "A;CS;North\r\nB;EE;South\r\n");
    newform& window = fileNew();
    clickEntry(window.schoollist, 0);
    QTest::keyClick(window.schoollist.widget(), Qt::Key_Down);
    EXPECT_EQ(window.schoollist.currentIndex(), 1);
    EXPECT_EQ(entries(window.Dept), (QStringList{"EE"}));
}

TEST_F(NewGradeBook, AnEmptiedComboTextTakesTheNextEntryAgain)
{
    writeFile("schools.dt", "A;CS,CIS;North\r\nB;EE,ME;South\r\n");
    newform& window = fileNew();
    clickEntry(window.schoollist, 0);
    window.Dept.setText("");
    clickEntry(window.schoollist, 1);
    EXPECT_EQ(window.Dept.text(), "EE");
    EXPECT_EQ(entries(window.Dept), (QStringList{"CIS", "ME"}));
}

struct OfferedLists {
    const char* name;
    const char* deptlist;
    const char* expectedText;
    QStringList expectedEntries;
};

void PrintTo(const OfferedLists& row, std::ostream* out)
{
    *out << row.name;
}

class OfferedListsTest : public GradesFixture, public ::testing::WithParamInterface<OfferedLists> {};

TEST_P(OfferedListsTest, SplitsTheStoredListAtCommasKeepingBlanksAndEmptyEntries)
{
    writeFile("schools.dt", QByteArray("A;") + GetParam().deptlist + ";North\r\n");
    newform& window = fileNew();
    clickEntry(window.schoollist, 0);
    EXPECT_EQ(window.Dept.text(), GetParam().expectedText);
    EXPECT_EQ(entries(window.Dept), GetParam().expectedEntries);
}

INSTANTIATE_TEST_SUITE_P(NewGradeBook, OfferedListsTest, ::testing::Values(
    OfferedLists{"Empty", "", "", {}},
    OfferedLists{"One", "CS", "CS", {}},
    OfferedLists{"BlankAfterComma", "CS, CIS", "CS", {" CIS"}},
    OfferedLists{"EmptyEntryInside", "CS,,CIS", "CS", {"", "CIS"}},
    OfferedLists{"TrailingComma", "CS,", "CS", {""}},
    OfferedLists{"LeadingComma", ",CS,CIS", "CS", {"CIS"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(NewGradeBook, DoneHidesAndFileNewShowsTheSameWindowWithoutReading)
{
    writeFile("schools.dt", "A;CS,CIS;North\r\n");
    newform& window = fileNew();
    clickEntry(window.schoollist, 0);
    window.clsbook.setText("Fall book");
    window.newdone.press();
    EXPECT_FALSE(window.isVisible());

    writeFile("schools.dt", "A;CS,CIS;North\r\nB;EE;South\r\n");
    newform& again = fileNew();
    EXPECT_EQ(&again, &window);
    EXPECT_TRUE(again.isVisible());
    EXPECT_EQ(entries(again.schoollist), QStringList{"A"});
    EXPECT_EQ(again.schoollist.currentIndex(), 0);
    EXPECT_EQ(again.clsbook.text(), "Fall book");
    EXPECT_EQ(again.Dept.text(), "CS");
}

TEST_F(NewGradeBook, FileNewTwiceGivesOneWindow)
{
    newform& first = fileNew();
    newform& second = fileNew();
    EXPECT_EQ(&first, &second);
    // The second load would have said it again; the driven clock shows one countdown.
    time.advance(5000);
    EXPECT_EQ(second.msgs.caption(), "");
}

TEST_F(NewGradeBook, CloseBoxUnloadsAndTheNextFileNewReadsAfresh)
{
    writeFile("schools.dt", "A;CS,CIS;North\r\n");
    newform& window = fileNew();
    clickEntry(window.schoollist, 0);
    window.clsbook.setText("Fall book");
    pressCloseBox(window);
    EXPECT_EQ(app->newGradeBook.existing(), nullptr);

    writeFile("schools.dt", "A;CS,CIS;North\r\nB;EE;South\r\n");
    newform& again = fileNew();
    EXPECT_EQ(entries(again.schoollist), (QStringList{"A", "B"}));
    EXPECT_EQ(again.schoollist.currentIndex(), -1);
    EXPECT_EQ(again.clsbook.text(), "");
    EXPECT_EQ(again.Dept.text(), "");
    EXPECT_EQ(again.Dept.count(), 0);
}

TEST_F(NewGradeBook, CloseBoxStopsTheStatusLineTimer)
{
    newform& window = fileNew();
    pressCloseBox(window);
    EXPECT_FALSE(window.msgtimer.enabled());
}

TEST_F(NewGradeBook, ReloadKeepsTableEntriesBeyondTheLinesRead)
{
    writeFile("schools.dt", "A;CS;North\r\nB;EE;South\r\n");
    pressCloseBox(fileNew());
    writeFile("schools.dt", "C;ME;West\r\n");
    newform& window = fileNew();
    EXPECT_EQ(entries(window.schoollist), QStringList{"C"});
    EXPECT_EQ(app->data.schools[0].sname, "C");
    EXPECT_EQ(app->data.schools[1].sname, "B");
}

TEST_F(NewGradeBook, AddNewSchoolShowsOneWindowThatOutlivesTheGradeBookWindow)
{
    newform& window = fileNew();
    window.addnew.press();
    newschool* added = app->addSchool.existing();
    ASSERT_NE(added, nullptr);
    EXPECT_TRUE(added->isVisible());
    added->schname.setText("Acme");
    window.addnew.press();
    EXPECT_EQ(app->addSchool.existing(), added);

    pressCloseBox(window);
    EXPECT_TRUE(added->isVisible());
    fileNew().addnew.press();
    EXPECT_EQ(app->addSchool.existing(), added);
    EXPECT_EQ(added->schname.text(), "Acme");
}

TEST_F(NewGradeBook, ASchoolAddedMeanwhileShowsOnlyAfterTheCloseBox)
{
    writeFile("schools.dt", "A;CS;North\r\n");
    newschool& added = addNewSchool();
    added.schname.setText("B");
    added.depts.setText("EE");
    added.campuses.setText("South");
    added.done.press();
    newform& window = *app->newGradeBook.existing();
    EXPECT_EQ(entries(window.schoollist), QStringList{"A"});

    pressCloseBox(window);
    EXPECT_EQ(entries(fileNew().schoollist), (QStringList{"A", "B"}));
}

TEST_F(NewGradeBook, HelpButtonDoesNothing)
{
    newform& window = fileNew();
    window.help.press();
    EXPECT_TRUE(shownTexts().isEmpty());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(NewGradeBook, StartsWithTheDesignedControls)
{
    newform& window = fileNew();
    EXPECT_EQ(window.caption(), "New Grade Book");
    EXPECT_EQ(window.width(), 5385);
    EXPECT_EQ(window.height(), 3330);
    EXPECT_EQ(window.Label2.caption(), "Tallyra Name");
    EXPECT_EQ(window.classinfo.caption(), "Class Info");
    EXPECT_EQ(window.addnew.caption(), "Add new school");
    EXPECT_EQ(window.schoollist.widget()->toolTip(), "Choose a school");
    EXPECT_EQ(window.clstitle.widget()->toolTip(), "The class name, like 'Intro to Programming' or 'Advanced C++'");
    EXPECT_EQ(window.Dept.widget()->parentWidget(), window.classinfo.widget());
    EXPECT_EQ(window.newdone.widget()->parentWidget(), window.controls.widget());
    EXPECT_TRUE(window.clsbook.hasFocus());
}

}  // namespace
