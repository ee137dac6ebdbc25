// SPDX-License-Identifier: LGPL-2.1-or-later
#include "gradesfixture.h"

#include "runtime/forms/msgbox.h"
#include "runtime/testing/permissions.h"

#include <QDir>
#include <QFile>
#include <QWidget>

namespace {

constexpr long red = 255;

class Faults : public GradesFixture {
protected:
    ~Faults() override { QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }

    // Adds a school through the window; returns the message shown after the school line.
    QString addSchool()
    {
        newschool& window = addNewSchool();
        window.schname.setText("Acme");
        window.depts.setText("CS");
        window.campuses.setText("North");
        messages.forget();
        window.done.press();
        EXPECT_EQ(shownTexts().value(0), "schstr is :Acme;CS;North:");
        if (messages.shown().size() != 2) {
            ADD_FAILURE() << "no failure message";
            return {};
        }
        EXPECT_EQ(messages.shown()[1].style.icon, runtime::Icon::Exclamation);
        EXPECT_TRUE(messages.shown()[1].text.startsWith("The school was not saved.\n\n"));
        return messages.shown()[1].text;
    }
};

// Faults that only file permissions make.
class PermissionFaults : public Faults {
protected:
    void SetUp() override
    {
        SKIP_UNLESS_PERMISSIONS_HOLD();
        Faults::SetUp();
    }
};

struct StatusRow {
    const char* name;
    QByteArray bytes;
    int schoolsOffered;
    const char* status;
};

void PrintTo(const StatusRow& row, std::ostream* out) { *out << row.name; }

class StatusLines : public Faults, public ::testing::WithParamInterface<StatusRow> {};

TEST_P(StatusLines, OfferTheSchoolsReadAndSayInRedWhatWasLeftOut)
{
    folder.write("schools.dt", GetParam().bytes);
    newform& window = fileNew();
    EXPECT_EQ(window.schoollist.count(), GetParam().schoolsOffered);
    EXPECT_EQ(window.msgs.caption(), GetParam().status);
    EXPECT_EQ(window.msgs.foreColor().value(), red);
    const QWidget& label = *window.msgs.widget();
    for (const QString& problem : window.msgs.caption().split('\n'))
        EXPECT_LE(label.fontMetrics().horizontalAdvance(problem), label.contentsRect().width()) << "one line each";
    EXPECT_TRUE(shownTexts().isEmpty());
    time.advance(5000);
    EXPECT_EQ(window.msgs.caption(), "");
}

INSTANTIATE_TEST_SUITE_P(Faults, StatusLines, ::testing::Values(
    StatusRow{"MoreThanElevenSchools", schoolLines(13), 11, "Only the first 11 schools read"},
    StatusRow{"ShortLine", "A;CS;N\r\nbroken;line\r\nB;EE;S\r\n", 2, "Line 2 skipped: too few fields"},
    StatusRow{"EmptyLines", "\r\nA;CS;N\r\n\r\n\r\n", 1, "Line 1 and 2 more: too few fields"},
    StatusRow{"Both", schoolLines(12) + "\r\n", 11,
              "Only the first 11 schools read\nLine 13 skipped: too few fields"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(PermissionFaults, AnUnreadableSchoolFileIsReportedAndTheWindowStaysUsable)
{
    folder.write("schools.dt", "A;CS;N\r\n");
    ASSERT_TRUE(QFile::setPermissions(path("schools.dt"), QFile::WriteOwner));
    newform& window = fileNew();
    ASSERT_EQ(messages.shown().size(), 1u);
    const QString text = messages.shown().front().text;
    EXPECT_TRUE(text.startsWith("The schools could not be read.\n\n")) << text.toStdString();
    EXPECT_TRUE(text.contains(path("schools.dt"))) << text.toStdString();
    EXPECT_EQ(window.schoollist.count(), 0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(programEnd.ended());
}

TEST_F(PermissionFaults, AFolderWithoutWriteAccessKeepsTheSchoolUnsavedAndSaysSo)
{
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_TRUE(addSchool().contains(path("schools.dt")));
    EXPECT_FALSE(QFile::exists(path("schools.dt")));
}

TEST_F(PermissionFaults, AReadOnlySchoolFileKeepsItsLines)
{
    folder.write("schools.dt", "Old;EE;East\r\n");
    ASSERT_TRUE(QFile::setPermissions(path("schools.dt"), QFile::ReadOwner));
    addSchool();
    EXPECT_EQ(folder.read("schools.dt"), "Old;EE;East\r\n");
}

TEST_F(Faults, AFullDiskKeepsTheSchoolUnsavedAndSaysSo)
{
    ASSERT_TRUE(QFile::link("/dev/full", path("schools.dt")));
    addSchool();
    // A device is no school list to read: the next window says there is none yet.
    EXPECT_EQ(fileNew().msgs.caption(), "No school data defined yet");
}

TEST_F(Faults, AFolderInThePlaceOfTheSchoolFile)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("schools.dt"));
    EXPECT_EQ(fileNew().msgs.caption(), "No school data defined yet");
    addSchool();
}

}  // namespace
