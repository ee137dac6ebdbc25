#include "schoolline.h"

#include <gtest/gtest.h>

namespace {

struct JoinRow {
    const char* boxText;
    const char* list;
};

TEST(SchoolLine, JoinsTheLinesOfABoxIntoAList)
{
    const JoinRow rows[] = {
        {"", ""},
        {"CS", "CS"},
        {"CS\r\nCIS", "CS,CIS"},
        {"CS\r\n\r\nCIS", "CS,,CIS"},
        {"CS\r\n", "CS,"},
        {"\r\n", ""},
        {"\r\n\r\nCS", "CS"},
        {"\r\nCS\r\n\r\n", "CS,,"},
        {"CS, CIS", "CS, CIS"},
        {" CS \r\n EE", " CS , EE"},
    };
    for (const JoinRow& row : rows)
        EXPECT_EQ(schoolline::joinlines(row.boxText), row.list) << row.boxText;
}

TEST(SchoolLine, IsNameDepartmentsAndCampusesBetweenSemicolons)
{
    EXPECT_EQ(schoolline::make("Acme Tech", "CS\r\nCIS", "North"), "Acme Tech;CS,CIS;North");
    EXPECT_EQ(schoolline::make("Acme", "\r\n", "North\r\n"), "Acme;;North,");
}

TEST(SchoolLine, TellsABoxThatHoldsTheFieldSeparator)
{
    EXPECT_TRUE(schoolline::holdsFieldSeparator("CS;EE"));
    EXPECT_TRUE(schoolline::holdsFieldSeparator(";"));
    EXPECT_FALSE(schoolline::holdsFieldSeparator("CS,EE"));
    EXPECT_FALSE(schoolline::holdsFieldSeparator(""));
}

}  // namespace
