// SPDX-License-Identifier: LGPL-2.1-or-later
#include "names.h"
#include "runtime/testing/testfolder.h"

#include <gtest/gtest.h>

using runtime::testing::TestFolder;

namespace {

struct LoadedLine {
    const char* line;
    const char* lastname;
    const char* firstname;
    const char* fileformat;
};

class LineLoading : public ::testing::TestWithParam<LoadedLine> {};

TEST_P(LineLoading, SplitsAtSingleSpacesIntoProperCase)
{
    const LoadedLine& row = GetParam();
    TestFolder folder;
    folder.write("in.txt", QByteArray(row.line) + "\r\n");
    names list;
    ASSERT_TRUE(list.loadfromfile(folder.path("in.txt")));
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.item(1)->lastname(), QString::fromUtf8(row.lastname));
    EXPECT_EQ(list.item(1)->firstname(), QString::fromUtf8(row.firstname));
    EXPECT_EQ(list.item(1)->fileformat(), QString::fromUtf8(row.fileformat));
}

INSTANTIATE_TEST_SUITE_P(Names, LineLoading, ::testing::Values(
    LoadedLine{"smith john", "Smith", "John", "Smith John"},
    LoadedLine{"Smith John Paul", "Smith", "John", "Smith John"},
    LoadedLine{"Smith  John", "Smith", "", "Smith "},
    LoadedLine{" John", "", "John", " John"},
    LoadedLine{"O'NEIL anne-marie", "O'neil", "Anne-marie", "O'neil Anne-marie"},
    LoadedLine{"müller øst", "Müller", "Øst", "Müller Øst"},
    LoadedLine{"Smith\tjohn x", "Smith\tJohn", "X", "Smith\tJohn X"}),
    [](const ::testing::TestParamInfo<LoadedLine>& info) { return "line" + std::to_string(info.index); });

TEST(OneName, OffersThreeLayouts)
{
    onename name;
    name.setLastname("SMITH");
    name.setFirstname("mary ann");
    EXPECT_EQ(name.fileformat(), "Smith Mary Ann");
    EXPECT_EQ(name.lastfirst(), "Smith,Mary Ann");
    EXPECT_EQ(name.firstfirst(), "Mary Ann,Smith");
}

TEST(NameList, LoadingAppendsAndKeepsTheSavedFlag)
{
    TestFolder folder;
    folder.write("in.txt", "Smith John\r\nBrown John\nLee Ann\r\n");
    names list;
    EXPECT_FALSE(list.isloaded());
    EXPECT_FALSE(list.issaved());
    ASSERT_TRUE(list.loadfromfile(folder.path("in.txt")));
    ASSERT_TRUE(list.loadfromfile(folder.path("in.txt")));
    ASSERT_EQ(list.count(), 6);
    EXPECT_EQ(list.item(4)->fileformat(), "Smith John");
    EXPECT_EQ(list.item(6)->fileformat(), "Lee Ann");
    EXPECT_TRUE(list.isloaded());
    EXPECT_FALSE(list.issaved());
}

TEST(NameList, ALineOfFewerThanTwoPiecesFailsAfterTheLinesBeforeIt)
{
    for (const QByteArray& bad : {QByteArray(""), QByteArray("Smith")}) {
        TestFolder folder;
        folder.write("in.txt", "Smith John\r\n" + bad + "\r\nBrown Ann\r\n");
        names list;
        EXPECT_FALSE(list.loadfromfile(folder.path("in.txt")));
        EXPECT_EQ(list.count(), 1);
        EXPECT_FALSE(list.isloaded());
    }
}

TEST(NameList, SaveWritesEveryRecordWithCrLfAndLoadsBackTheSame)
{
    TestFolder folder;
    folder.write("in.txt", "Smith  John\r\nbrown ann\r\n");
    names list;
    ASSERT_TRUE(list.loadfromfile(folder.path("in.txt")));
    ASSERT_TRUE(list.savetofile(folder.path("out.txt")));
    EXPECT_EQ(folder.read("out.txt"), "Smith \r\nBrown Ann\r\n");
    EXPECT_TRUE(list.issaved());

    names reloaded;
    ASSERT_TRUE(reloaded.loadfromfile(folder.path("out.txt")));
    ASSERT_EQ(reloaded.count(), 2);
    EXPECT_EQ(reloaded.item(1)->fileformat(), "Smith ");
    EXPECT_EQ(reloaded.item(2)->fileformat(), "Brown Ann");
}

TEST(NameList, AnEmptyListSavesAnEmptyFile)
{
    TestFolder folder;
    folder.write("out.txt", "old contents\r\n");
    names list;
    ASSERT_TRUE(list.savetofile(folder.path("out.txt")));
    EXPECT_EQ(folder.read("out.txt"), "");
    EXPECT_TRUE(list.issaved());
}

TEST(NameList, BytesThatAreNotUtf8SurviveLoadAndSave)
{
    TestFolder folder;
    const QByteArray latin1 = "M\xFCller J\xF8rn\r\nSmith Jo\xC3\r\n";
    folder.write("in.txt", latin1);
    names list;
    ASSERT_TRUE(list.loadfromfile(folder.path("in.txt")));
    ASSERT_TRUE(list.savetofile(folder.path("out.txt")));
    EXPECT_EQ(folder.read("out.txt"), latin1);
}

TEST(NameList, SaveWritesTheKeptNamesOfEveryKindOfLineEnd)
{
    TestFolder folder;
    folder.write("in.txt", "smith john paul\nbrown\tann  x\r\nlee a\rb");
    names list;
    ASSERT_TRUE(list.loadfromfile(folder.path("in.txt")));
    ASSERT_TRUE(list.savetofile(folder.path("out.txt")));
    EXPECT_EQ(folder.read("out.txt"), "Smith John\r\nBrown\tAnn \r\nLee A\rB\r\n");
}

// Letters whose other case takes another number of bytes: U+0131 dotless i becomes I,
// U+023F becomes U+2C7E at the start of each word, longer than its line leaves room for.
TEST(NameList, ProperCaseThatChangesTheSizeOfANameKeepsTheLinesAfterIt)
{
    TestFolder folder;
    folder.write("in.txt", "\xC4\xB1stanbul ali\r\n\xC8\xBF\t\xC8\xBF\t\xC8\xBF \xC8\xBF\r\nsmith john");
    names list;
    ASSERT_TRUE(list.loadfromfile(folder.path("in.txt")));
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(1)->lastname(), "Istanbul");
    EXPECT_EQ(list.item(2)->lastname(), QString::fromUtf8("\u2C7E\t\u2C7E\t\u2C7E"));
    EXPECT_EQ(list.item(2)->firstname(), QString::fromUtf8("\u2C7E"));
    EXPECT_EQ(list.item(3)->fileformat(), "Smith John");
    ASSERT_TRUE(list.savetofile(folder.path("out.txt")));
    EXPECT_EQ(folder.read("out.txt"), "Istanbul Ali\r\n\xE2\xB1\xBE\t\xE2\xB1\xBE\t\xE2\xB1\xBE \xE2\xB1\xBE\r\nSmith John\r\n");
}

TEST(NameList, ARenamedRecordIsSavedInItsPlace)
{
    TestFolder folder;
    folder.write("in.txt", "a one\r\nb two\r\nc three\r\n");
    names list;
    ASSERT_TRUE(list.loadfromfile(folder.path("in.txt")));
    list.item(2)->setFirstname("NEW name");
    list.item(3)->setLastname("m\xC3\xBCller");
    list.remove(1);
    ASSERT_TRUE(list.savetofile(folder.path("out.txt")));
    EXPECT_EQ(folder.read("out.txt"), "B New Name\r\nM\xC3\xBCller Three\r\n");
}

TEST(NameList, ARecordHandedOutStaysThatRecordWhenOthersAreRemoved)
{
    TestFolder folder;
    folder.write("in.txt", "A One\r\nB Two\r\nC Three\r\n");
    names list;
    ASSERT_TRUE(list.loadfromfile(folder.path("in.txt")));
    const names::Record second = list.item(2);
    list.remove(1);
    EXPECT_EQ(second->fileformat(), "B Two");
    list.remove(1);
    EXPECT_EQ(second->fileformat(), "B Two");
    EXPECT_EQ(list.item(1)->fileformat(), "C Three");
}

TEST(NameList, FindMatchesNamesThatAreNotAsciiExactly)
{
    TestFolder folder;
    folder.write("in.txt", "M\xC3\xBCller J\xC3\xB8rn\r\nSmith Jo\xC3\r\n");
    names list;
    ASSERT_TRUE(list.loadfromfile(folder.path("in.txt")));
    names::Record found;
    ASSERT_TRUE(list.find("", QString::fromUtf8("M\u00FCller"), found));
    EXPECT_EQ(found->firstname(), QString::fromUtf8("J\u00F8rn"));
    EXPECT_FALSE(list.find("", QString::fromUtf8("m\u00FCller"), found));
    // A byte that is not UTF-8 is read as U+DC00 + the byte.
    ASSERT_TRUE(list.find(QString::fromUtf16(u"Jo\xDCC3"), "", found));
    EXPECT_EQ(found->lastname(), "Smith");
}

TEST(NameList, GetnextWalksWithoutWrappingAround)
{
    TestFolder folder;
    folder.write("in.txt", "A One\r\nB Two\r\n");
    names list;
    ASSERT_TRUE(list.loadfromfile(folder.path("in.txt")));
    names::Record record;
    EXPECT_EQ(list.getnext("", record), 1);  // a new cursor starts at the first record
    EXPECT_EQ(record->lastname(), "A");
    EXPECT_EQ(list.getnext("", record), 2);
    EXPECT_EQ(list.getnext("", record), 0);
    EXPECT_EQ(record->lastname(), "B");  // unchanged at the end
    EXPECT_EQ(list.getnext("Reset", record), 0);
    EXPECT_EQ(list.getnext("reset", record), 1);
    EXPECT_EQ(record->lastname(), "A");

    // Records appended after the end are delivered by the next calls.
    EXPECT_EQ(list.getnext("", record), 2);
    ASSERT_TRUE(list.loadfromfile(folder.path("in.txt")));
    EXPECT_EQ(list.getnext("", record), 3);
}

TEST(NameList, FindReturnsTheLastExactMatch)
{
    TestFolder folder;
    folder.write("in.txt", "Smith John\r\nBrown John\r\n Empty\r\n");
    names list;
    ASSERT_TRUE(list.loadfromfile(folder.path("in.txt")));
    names::Record found;
    ASSERT_TRUE(list.find("John", "", found));
    EXPECT_EQ(found->fileformat(), "Brown John");

    names::Record untouched;
    EXPECT_FALSE(list.find("john", "", untouched));
    EXPECT_FALSE(list.find("John", "Smith", untouched));
    EXPECT_EQ(untouched, nullptr);

    ASSERT_TRUE(list.find("", "", found));  // only the record whose last name is empty
    EXPECT_EQ(found->firstname(), "Empty");
    ASSERT_TRUE(list.find("", "Smith", found));
    EXPECT_EQ(found->firstname(), "John");
}

TEST(NameList, RemoveBeyondTheCountChangesNothing)
{
    TestFolder folder;
    folder.write("in.txt", "A One\r\nB Two\r\n");
    names list;
    ASSERT_TRUE(list.loadfromfile(folder.path("in.txt")));
    ASSERT_TRUE(list.savetofile(folder.path("out.txt")));
    list.remove(3);
    EXPECT_EQ(list.count(), 2);
    EXPECT_TRUE(list.issaved());
    list.remove(2);
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.item(1)->lastname(), "A");
    EXPECT_FALSE(list.issaved());
}

TEST(NameList, ARecordHandedOutIsTheRecordInTheList)
{
    TestFolder folder;
    folder.write("in.txt", "A One\r\n");
    names list;
    ASSERT_TRUE(list.loadfromfile(folder.path("in.txt")));
    names::Record record;
    list.getnext("reset", record);
    record->setFirstname("changed");
    EXPECT_EQ(list.item(1)->firstname(), "Changed");
}

TEST(NameList, LoadingStopsAtTheLimitAndKeepsTheRecordsBeforeIt)
{
    TestFolder folder;
    QByteArray contents;
    for (int line = 0; line < 32767; ++line)
        contents += "Name First\r\n";
    folder.write("in.txt", contents);
    names list;
    EXPECT_FALSE(list.loadfromfile(folder.path("in.txt")));
    EXPECT_EQ(list.count(), 32766);
    // The 16-bit cursor must walk past the last record without overflowing.
    names::Record record;
    EXPECT_EQ(list.getnext("reset", record), 1);
    int delivered = 1;
    while (list.getnext({}, record) != 0)
        ++delivered;
    EXPECT_EQ(delivered, 32766);
}

TEST(NameList, AHugeLineAndANulByteLoad)
{
    TestFolder folder;
    const QByteArray huge(1024 * 1024, 'x');
    QByteArray withNul("Long " + huge + "\r\nNul Ab");
    withNul.append('\0');
    withNul.append("c\r\n");
    folder.write("in.txt", withNul);
    names list;
    ASSERT_TRUE(list.loadfromfile(folder.path("in.txt")));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(1)->firstname().size(), huge.size());
    ASSERT_TRUE(list.savetofile(folder.path("out.txt")));
    // NUL separates words for proper case: the letter after it starts a word.
    QByteArray expected("Long X" + huge.mid(1) + "\r\nNul Ab");
    expected.append('\0');
    expected.append("C\r\n");
    EXPECT_EQ(folder.read("out.txt"), expected);
}

}  // namespace
