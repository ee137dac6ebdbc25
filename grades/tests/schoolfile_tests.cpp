// SPDX-License-Identifier: LGPL-2.1-or-later
#include "gradesfixture.h"
#include "schoolfile.h"
#include "schoolline.h"

#include "runtime/base/error.h"

#include <QDir>
#include <QFile>

namespace {

TEST(SchoolLine, JoinsTheLinesOfEachBoxAndTheFieldsBetweenSemicolons)
{
    const char* rows[][2] = {
        {"", ""}, {"CS\r\nCIS", "CS,CIS"}, {"CS\r\n\r\nCIS", "CS,,CIS"}, {"CS\r\n", "CS,"}, {"\r\n", ""},
        {"\r\n\r\nCS", "CS"}, {"\r\nCS\r\n\r\n", "CS,,"}, {"CS, CIS", "CS, CIS"}, {" CS \r\n EE", " CS , EE"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(schoolline::joinlines(row[0]), row[1]) << row[0];
    EXPECT_EQ(schoolline::make("Acme", "\r\n", "North\r\n"), "Acme;;North,");
}

class SchoolFile : public GradesFixture {
protected:
    schoolread read()
    {
        const schoolread result = schoolfile(path("schools.dt")).readinto(schools);
        names.clear();
        for (int index = 0; index < result.count; ++index)
            names << schools[static_cast<std::size_t>(index)].sname;
        return result;
    }

    appdata::SchoolTable schools;
    QStringList names;
};

QStringList schoolNames(int count)
{
    QStringList names;
    for (int number = 1; number <= count; ++number)
        names << QString("School %1").arg(number);
    return names;
}

struct ReadRow {
    const char* name;
    QByteArray bytes;
    QStringList names;
    int firstShortLine;
    int shortLineCount;
    bool tableFull;
};

void PrintTo(const ReadRow& row, std::ostream* out) { *out << row.name; }

class Reading : public SchoolFile, public ::testing::WithParamInterface<ReadRow> {};

TEST_P(Reading, FillsTheTableInFileOrderAndCountsWhatItLeftOut)
{
    folder.write("schools.dt", GetParam().bytes);
    const schoolread result = read();
    EXPECT_EQ(names, GetParam().names);
    EXPECT_EQ(result.firstShortLine, GetParam().firstShortLine);
    EXPECT_EQ(result.shortLineCount, GetParam().shortLineCount);
    EXPECT_EQ(result.tableFull, GetParam().tableFull);
}

INSTANTIATE_TEST_SUITE_P(SchoolFile, Reading, ::testing::Values(
    ReadRow{"TwoSchools", "A;CS,CIS;North\r\nB;EE;South,East\r\n", {"A", "B"}, 0, 0, false},
    ReadRow{"BareLineFeeds", "A;CS;N\nB;EE;S\n", {"A", "B"}, 0, 0, false},
    ReadRow{"NoLineEndAtTheEnd", "A;CS;N", {"A"}, 0, 0, false},
    ReadRow{"Empty", "", {}, 0, 0, false},
    ReadRow{"EmptyFieldsMakeASchool", ";;\r\n", {""}, 0, 0, false},
    ReadRow{"Utf8", "École;Génie;Île\r\n", {"École"}, 0, 0, false},
    ReadRow{"EmptyLineSkipped", "A;CS;N\r\n\r\nB;EE;S\r\n", {"A", "B"}, 2, 1, false},
    ReadRow{"ShortLinesSkipped", "A;CS\r\nB;EE;S\r\nC\r\n", {"B"}, 1, 2, false},
    ReadRow{"ElevenSchools", schoolLines(11), schoolNames(11), 0, 0, false},
    ReadRow{"TwelveSchools", schoolLines(12), schoolNames(11), 0, 0, true},
    ReadRow{"ElevenSchoolsAndAnEmptyLine", schoolLines(11) + "\r\n", schoolNames(11), 12, 1, false},
    ReadRow{"ShortLinesDoNotTakeRoom", "x\r\n" + schoolLines(11), schoolNames(11), 1, 1, false},
    ReadRow{"NulByteKept", QByteArray("A\0B;CS;N\r\nC;EE;S\r\n", 18), {QString("A") + QChar(0) + "B", "C"}, 0, 0,
            false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(SchoolFile, KeepsFieldsAsTheyAreIgnoresPiecesAfterTheThirdAndLeavesLaterEntries)
{
    schools[1] = {"Old", "EE", "East"};
    folder.write("schools.dt", "Acme Tech; CS, CIS ;North;extra;more\r\n");
    read();
    EXPECT_EQ(schools[0].sname, "Acme Tech");
    EXPECT_EQ(schools[0].deptlist, " CS, CIS ");
    EXPECT_EQ(schools[0].camplist, "North");
    EXPECT_EQ(schools[1].sname, "Old");
}

TEST_F(SchoolFile, ReadsInvalidUtf8AndAHugeLineWithoutLosingTheOtherSchools)
{
    const QByteArray hugeName(1 << 20, 'x');
    folder.write("schools.dt", "Caf\xE9;CS;N\r\n" + hugeName + ";EE;S\r\nB;ME;W\r\n");
    ASSERT_EQ(read().count, 3);
    EXPECT_EQ(schools[0].sname.size(), 4);
    EXPECT_TRUE(schools[0].sname.startsWith("Caf"));
    EXPECT_EQ(schools[1].sname.size(), hugeName.size());
    EXPECT_EQ(schools[2].sname, "B");
}

TEST_F(SchoolFile, ExistsOnlyAsAnOrdinaryFileAndAMissingOneRaisesAnErrorNamingIt)
{
    EXPECT_FALSE(schoolfile(path("schools.dt")).exists());
    try {
        read();
        ADD_FAILURE() << "no error";
    } catch (const runtime::RuntimeError& error) {
        EXPECT_TRUE(error.text().contains(path("schools.dt"))) << error.text().toStdString();
    }
    folder.write("schools.dt", "");
    EXPECT_TRUE(schoolfile(path("schools.dt")).exists());
    ASSERT_TRUE(QFile::link("/dev/null", path("device.dt")));
    EXPECT_FALSE(schoolfile(path("device.dt")).exists());
}

}  // namespace
