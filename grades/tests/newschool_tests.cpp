#include "gradesfixture.h"

#include "runtime/forms/program.h"

namespace {

class AddSchool : public GradesFixture {
protected:
    // Types into the three boxes as a user would ("\n" is Enter) and presses Add School.
    void add(newschool& window, const QString& name, const QString& departments, const QString& campusList)
    {
        typeInto(window.schname, name);
        typeInto(window.depts, departments);
        typeInto(window.campuses, campusList);
        window.done.press();
    }
};

enum class Box { Name, Departments, Campuses };

struct SchoolRefusal {
    const char* name;
    const char* schoolName;
    const char* departments;
    const char* campusList;
    const char* message;
    Box focus;
};

void PrintTo(const SchoolRefusal& row, std::ostream* out)
{
    *out << row.name;
}

class SchoolRefusals : public AddSchool, public ::testing::WithParamInterface<SchoolRefusal> {};

TEST_P(SchoolRefusals, ReportOnlyTheFirstFailingBoxMoveTheFocusThereAndWriteNothing)
{
    newschool& window = addNewSchool();
    add(window, GetParam().schoolName, GetParam().departments, GetParam().campusList);
    EXPECT_EQ(shownTexts(), QStringList{GetParam().message});
    EXPECT_EQ(messages.shown().front().style.value(), 0);  // one OK button, no icon
    EXPECT_EQ(messages.shown().front().title, runtime::Program::title());
    runtime::TextBox* boxes[] = {&window.schname, &window.depts, &window.campuses};
    EXPECT_TRUE(boxes[static_cast<int>(GetParam().focus)]->hasFocus());
    EXPECT_EQ(readFile("schools.dt"), "<missing>");
    EXPECT_TRUE(window.isVisible());
}

INSTANTIATE_TEST_SUITE_P(AddSchool, SchoolRefusals, ::testing::Values(
    SchoolRefusal{"AllEmpty", "", "", "", "School name is required", Box::Name},
    SchoolRefusal{"NameOnly", "Acme", "", "", "Department list is required", Box::Departments},
    SchoolRefusal{"DepartmentsEmpty", "Acme", "", "North", "Department list is required", Box::Departments},
    SchoolRefusal{"CampusesEmpty", "Acme", "CS", "", "Campuses list is required", Box::Campuses},
    SchoolRefusal{"NameEmptyOthersGiven", "", "CS", "North", "School name is required", Box::Name},
    SchoolRefusal{"SemicolonInName", "Acme;Tech", "CS", "North", "School name cannot contain \";\"", Box::Name},
    SchoolRefusal{"SemicolonInNameBeforeEmptyDepartments", "A;B", "", "", "School name cannot contain \";\"", Box::Name},
    SchoolRefusal{"SemicolonInDepartments", "Acme", "CS\nEE;ME", "North", "Department list cannot contain \";\"",
            Box::Departments},
    SchoolRefusal{"SemicolonInCampuses", "Acme", "CS", "North;South", "Campuses list cannot contain \";\"",
            Box::Campuses}),
    [](const auto& row) { return std::string(row.param.name); });

struct Joining {
    const char* name;
    const char* schoolName;
    const char* departments;
    const char* campusList;
    const char* line;
};

void PrintTo(const Joining& row, std::ostream* out)
{
    *out << row.name;
}

class Joinings : public AddSchool, public ::testing::WithParamInterface<Joining> {};

TEST_P(Joinings, ShowTheSchoolLineThenAppendItWithCrLf)
{
    newschool& window = addNewSchool();
    messages.whileShown = [&](const runtime::MessageBoxRequest&) {
        EXPECT_EQ(readFile("schools.dt"), "<missing>") << "written before OK";
    };
    add(window, GetParam().schoolName, GetParam().departments, GetParam().campusList);
    EXPECT_EQ(shownTexts(), QStringList{QString("schstr is :") + GetParam().line + ":"});
    EXPECT_EQ(readFile("schools.dt"), QByteArray(GetParam().line) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(AddSchool, Joinings, ::testing::Values(
    Joining{"TwoDepartmentLines", "Acme Tech", "CS\nCIS", "North", "Acme Tech;CS,CIS;North"},
    Joining{"EmptyLineBetween", "Acme", "CS\n\nCIS", "North", "Acme;CS,,CIS;North"},
    Joining{"EndsWithLineBreak", "Acme", "CS\n", "North", "Acme;CS,;North"},
    Joining{"OnlyALineBreak", "Acme", "\n", "North", "Acme;;North"},
    Joining{"BlanksOnlyName", "   ", "CS", "North", "   ;CS;North"},
    Joining{"NotAscii", "École Nord", "Génie", "Île", "École Nord;Génie;Île"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(AddSchool, AnExistingFileKeepsItsLinesAndAPressTwiceAddsTwoLines)
{
    writeFile("schools.dt", "Old;EE;East\r\n");
    newschool& window = addNewSchool();
    add(window, "Acme", "CS", "North");
    window.done.press();
    EXPECT_EQ(readFile("schools.dt"), "Old;EE;East\r\nAcme;CS;North\r\nAcme;CS;North\r\n");
    EXPECT_EQ(window.schname.text(), "Acme");
    EXPECT_EQ(window.depts.text(), "CS");
    EXPECT_TRUE(window.isVisible());
}

TEST_F(AddSchool, HelpExplainsTheBoxes)
{
    addNewSchool().help.press();
    EXPECT_EQ(shownTexts(), QStringList{"enter the school name. In the department box, enter a comma separated list "
                                        "of department acronyms, like CS, CIS, etc. In the campuses box, enter a "
                                        "comma seperated list of campus abbreviations."});
    EXPECT_EQ(messages.shown().front().style.value(), 0);
}

TEST_F(AddSchool, CloseBoxEmptiesTheBoxesForTheNextShowing)
{
    newschool& window = addNewSchool();
    typeInto(window.schname, "Acme");
    typeInto(window.depts, "CS\nEE");
    pressCloseBox(window);
    newschool& again = addNewSchool();
    EXPECT_EQ(again.schname.text(), "");
    EXPECT_EQ(again.depts.text(), "");
}

TEST_F(AddSchool, StartsWithTheDesignedControlsAndTheFocusInTheName)
{
    newschool& window = addNewSchool();
    EXPECT_EQ(window.caption(), "Add a new school");
    EXPECT_EQ(window.width(), 4680);
    EXPECT_EQ(window.height(), 3195);
    EXPECT_EQ(window.done.caption(), "Add School");
    EXPECT_EQ(window.Label2.caption(), "List of department acronyms");
    EXPECT_EQ(window.Label3.caption(), "List of Campuses");
    EXPECT_TRUE(window.schname.hasFocus());
}

}  // namespace
