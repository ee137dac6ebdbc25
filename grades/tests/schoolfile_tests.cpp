#include "gradesfixture.h"
#include "schoolfile.h"

#include "runtime/base/error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SchoolFile : public ::testing::Test {
protected:
    QString path() const { return folder.filePath("schools.dt"); }

    void write(const QByteArray& bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QStringList names(const schoolread& read) const
    {
        QStringList result;
        for (int index = 0; index < read.count; ++index)
            result << schools[static_cast<std::size_t>(index)].sname;
        return result;
    }

    QTemporaryDir folder;
    appdata::SchoolTable schools;
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

void PrintTo(const ReadRow& row, std::ostream* out)
{
    *out << row.name;
}

class Reading : public SchoolFile, public ::testing::WithParamInterface<ReadRow> {};

TEST_P(Reading, FillsTheTableInFileOrderAndCountsWhatItLeftOut)
{
    write(GetParam().bytes);
    const schoolread read = schoolfile(path()).readinto(schools);
    EXPECT_EQ(names(read), GetParam().names);
    EXPECT_EQ(read.firstShortLine, GetParam().firstShortLine);
    EXPECT_EQ(read.shortLineCount, GetParam().shortLineCount);
    EXPECT_EQ(read.tableFull, GetParam().tableFull);
}

INSTANTIATE_TEST_SUITE_P(SchoolFile, Reading, ::testing::Values(
    ReadRow{"TwoSchools", "A;CS,CIS;North\r\nB;EE;South,East\r\n", {"A", "B"}, 0, 0, false},
    ReadRow{"BareLineFeeds", "A;CS;N\nB;EE;S\n", {"A", "B"}, 0, 0, false},
    ReadRow{"NoLineEndAtTheEnd", "A;CS;N", {"A"}, 0, 0, false},
    ReadRow{"Empty", "", {}, 0, 0, false},
    ReadRow{"EmptyFieldsMakeASchool", ";;\r\n", {""}, 0, 0, false},
    ReadRow{"EmptyLineSkipped", "A;CS;N\r\n\r\nB;EE;S\r\n", {"A", "B"}, 2, 1, false},
    ReadRow{"ShortLinesSkipped", "A;CS\r\nB;EE;S\r\nC\r\n", {"B"}, 1, 2, false},
    ReadRow{"ElevenSchools", schoolLines(11), schoolNames(11), 0, 0, false},
    ReadRow{"TwelveSchools", schoolLines(12), schoolNames(11), 0, 0, true},
    ReadRow{"ElevenSchoolsAndAnEmptyLine", schoolLines(11) + "\r\n", schoolNames(11), 12, 1, false},
    ReadRow{"ShortLinesDoNotTakeRoom", "x\r\n" + schoolLines(11), schoolNames(11), 1, 1, false},
    ReadRow{"NulByteKept", QByteArray("A\0B;CS;N\r\nC;EE;S\r\n", 18), {QString("A") + QChar(0) + "B", "C"}, 0, 0,
            false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(SchoolFile, KeepsFieldsAsTheyAreAndIgnoresPiecesAfterTheThird)
{
    write("Acme Tech; CS, CIS ;North;extra;more\r\n");
    schoolfile(path()).readinto(schools);
    EXPECT_EQ(schools[0].sname, "Acme Tech");
    EXPECT_EQ(schools[0].deptlist, " CS, CIS ");
    EXPECT_EQ(schools[0].camplist, "North");
}

TEST_F(SchoolFile, LeavesTableEntriesAfterTheLastSchoolReadAsTheyWere)
{
    schools[1] = {"Old", "EE", "East"};
    write("A;CS;N\r\n");
    schoolfile(path()).readinto(schools);
    EXPECT_EQ(schools[0].sname, "A");
    EXPECT_EQ(schools[1].sname, "Old");
}

TEST_F(SchoolFile, ReadsInvalidUtf8AndAHugeLineWithoutLosingTheOtherSchools)
{
    const QByteArray hugeName(1 << 20, 'x');
    write("Caf\xE9;CS;N\r\n" + hugeName + ";EE;S\r\nB;ME;W\r\n");
    const schoolread read = schoolfile(path()).readinto(schools);
    ASSERT_EQ(read.count, 3);
    EXPECT_EQ(schools[0].sname.size(), 4);
    EXPECT_TRUE(schools[0].sname.startsWith("Caf"));
    EXPECT_EQ(schools[1].sname.size(), hugeName.size());
    EXPECT_EQ(schools[2].sname, "B");
}

TEST_F(SchoolFile, ExistsOnlyAsAnOrdinaryFile)
{
    EXPECT_FALSE(schoolfile(path()).exists());
    write("");
    EXPECT_TRUE(schoolfile(path()).exists());
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.dt"));
    EXPECT_FALSE(schoolfile(folder.filePath("folder.dt")).exists());
    ASSERT_TRUE(QFile::link("/dev/null", folder.filePath("device.dt")));
    EXPECT_FALSE(schoolfile(folder.filePath("device.dt")).exists());
}

TEST_F(SchoolFile, ReadingAMissingFileRaisesAnErrorNamingIt)
{
    try {
        schoolfile(path()).readinto(schools);
        FAIL() << "no error";
    } catch (const runtime::RuntimeError& error) {
        EXPECT_TRUE(error.text().contains(path())) << error.text().toStdString();
    }
}

TEST_F(SchoolFile, AppendedLinesReadBackAsTheSameSchools)
{
    schoolfile(path()).append("École;Génie,CS;Île");
    schoolfile(path()).readinto(schools);
    EXPECT_EQ(schools[0].sname, "École");
    EXPECT_EQ(schools[0].deptlist, "Génie,CS");
    EXPECT_EQ(schools[0].camplist, "Île");
}

}  // namespace
