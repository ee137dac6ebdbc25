// SPDX-License-Identifier: LGPL-2.1-or-later
#include "schoolfile.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// The school lists shipped as samples, the grade book's and quenta's, read whole: no
// line is skipped and the table takes every school.
TEST(Samples, AreSchoolListsReadWhole)
{
    const struct {
        const char* file;
        QStringList schools;
    } samples[] = {
        {GRADES_SAMPLES "/schools.dt",
         {"Riverside College", "Hillcrest University", "Lakeview Community College", "Northgate Institute"}},
        {QUENTA_SAMPLES "/fall.dt", {"Riverside College", "Lakeview Community College"}},
        {QUENTA_SAMPLES "/spring.dt", {"Hillcrest University"}},
        {QUENTA_SAMPLES "/summer.dt", {"Northgate Institute"}},
    };
    for (const auto& sample : samples) {
        appdata::SchoolTable table;
        const schoolread read = schoolfile(sample.file).readinto(table);
        EXPECT_EQ(read.shortLineCount, 0) << sample.file;
        EXPECT_FALSE(read.tableFull) << sample.file;
        QStringList names;
        for (int index = 0; index < read.count; ++index)
            names << table[static_cast<std::size_t>(index)].sname;
        EXPECT_EQ(names, sample.schools) << sample.file;
    }
}

}  // namespace
