// SPDX-License-Identifier: LGPL-2.1-or-later
#include "schoolfile.h"

#include "schoolline.h"

#include "runtime/files/patternsearch.h"
#include "runtime/files/textfile.h"

using runtime::Text;

bool schoolfile::exists() const
{
    return !runtime::PatternSearch(path_).next().isEmpty();
}

schoolread schoolfile::readinto(appdata::SchoolTable& schools) const
{
    runtime::InputFile file(path_);
    schoolread read;
    int lineNumber = 0;
    while (!file.atEnd()) {
        const QStringList pieces = runtime::split(file.readLine(), Text(schoolline::fieldSeparator));
        ++lineNumber;
        if (pieces.size() < 3) {
            if (read.shortLineCount++ == 0)
                read.firstShortLine = lineNumber;
            continue;
        }
        if (read.count == appdata::schoolCount) {
            read.tableFull = true;
            continue;
        }
        schools[read.count] = {pieces[0], pieces[1], pieces[2]};
        ++read.count;
    }
    return read;
}

void schoolfile::append(const Text& line) const
{
    runtime::AppendFile file(path_);
    file.writeLine(line);
    file.close();
}
