// SPDX-License-Identifier: LGPL-2.1-or-later
// The school list: the line made from the New School boxes, and the file reader.
//
// The input is bytes split at NULs: first the school file as it already is, then the
// boxes (name, departments, campuses) of schools entered one after another, as UTF-8. A school
// goes through the New School window's rules: no box empty, none holding ";". The name
// box holds one line; the others hold lines separated by CR LF, as a multi-line box
// gives them.
//
// Property:
//  - a school's line has exactly three ";"-separated fields: the name and the two boxes
//    joined with ",", none of which holds a line break;
//  - after those lines are appended, reading the file never fills more than 11 schools,
//    no field read holds ";", and every line counts once: as a school, as one past the
//    full table, or as a short line;
//  - when the file ended with its last line's end (or was empty), each school entered
//    is read back as it was entered, as long as the table had room for it.

#include "fuzzing.h"

#include "schoolfile.h"
#include "schoolline.h"

#include "runtime/base/error.h"
#include "runtime/files/encoding.h"
#include "runtime/files/textfile.h"

#include <QFile>

#include <algorithm>
#include <vector>

namespace {

using runtime::Text;

// A multi-line box's text: its lines, CR LF between them. The line breaks are found in
// the bytes, so that no two bytes that were apart come together as one character.
Text boxText(QByteArray typed)
{
    QStringList lines;
    for (const QByteArray& line : typed.replace('\r', '\n').split('\n'))
        lines.append(runtime::decodeText(line));
    return lines.join(QStringLiteral("\r\n"));
}

// A one-line box's text: the typed text up to its first line break.
Text lineBoxText(const QByteArray& typed)
{
    qsizetype end = typed.size();
    for (const char lineBreak : {'\r', '\n'}) {
        if (const qsizetype found = typed.indexOf(lineBreak); found >= 0)
            end = std::min(end, found);
    }
    return runtime::decodeText(typed.first(end));
}

bool passesTheWindowsRules(const Text& name, const Text& departments, const Text& campuses)
{
    for (const Text* box : {&name, &departments, &campuses}) {
        if (box->isEmpty() || schoolline::holdsFieldSeparator(*box))
            return false;
    }
    return true;
}

bool holdsLineBreak(const Text& text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QList<QByteArray> pieces = fuzzing::bytesOf(data, size).toByteArray().split('\0');
    const QByteArray before = pieces.value(0);
    const Text path = fuzzing::scratchFolder() + QStringLiteral("/schools.dt");
    {
        QFile file(path);
        fuzzing::require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(before) == before.size(),
                         "the school file can be written");
    }

    const schoolfile schools(path);
    std::vector<schoolrec> entered;
    for (qsizetype at = 1; at + 2 < pieces.size(); at += 3) {
        const Text name = lineBoxText(pieces[at]);
        const Text departments = boxText(pieces[at + 1]);
        const Text campuses = boxText(pieces[at + 2]);
        if (!passesTheWindowsRules(name, departments, campuses))
            continue;
        const Text line = schoolline::make(name, departments, campuses);
        const QStringList fields = line.split(schoolline::fieldSeparator);
        fuzzing::require(fields.size() == 3, "a school's line has three fields");
        fuzzing::require(fields[0] == name && fields[1] == schoolline::joinlines(departments)
                             && fields[2] == schoolline::joinlines(campuses),
                         "the fields are the name and the joined boxes");
        fuzzing::require(!holdsLineBreak(line), "a school's line holds no line break");
        schools.append(line);
        entered.push_back({fields[0], fields[1], fields[2]});
    }

    // Every line of the file, as the file reader gives them, in fields.
    int lineCount = 0;
    int schoolLines = 0;
    int shortLines = 0;
    int firstShortLine = 0;
    for (runtime::InputFile file(path); !file.atEnd();) {
        ++lineCount;
        if (runtime::split(file.readLine(), Text(schoolline::fieldSeparator)).size() >= 3) {
            ++schoolLines;
        } else if (shortLines++ == 0) {
            firstShortLine = lineCount;
        }
    }

    appdata::SchoolTable table;
    const schoolread read = schools.readinto(table);
    fuzzing::require(read.count >= 0 && read.count <= appdata::schoolCount, "never more than 11 schools");
    for (int index = 0; index < read.count; ++index) {
        for (const Text* field : {&table[index].sname, &table[index].deptlist, &table[index].camplist})
            fuzzing::require(!schoolline::holdsFieldSeparator(*field), "no field holds \";\"");
    }
    fuzzing::require(read.count == std::min(schoolLines, appdata::schoolCount), "every school line fills an entry while there is room");
    fuzzing::require(read.tableFull == (schoolLines > appdata::schoolCount), "a full table is reported when schools are left out");
    fuzzing::require(read.shortLineCount == shortLines && read.firstShortLine == firstShortLine, "short lines are counted");

    if (before.isEmpty() || before.endsWith('\n')) {
        const int schoolsBefore = schoolLines - int(entered.size());
        for (int index = 0; index < int(entered.size()) && schoolsBefore + index < appdata::schoolCount; ++index) {
            const schoolrec& got = table[schoolsBefore + index];
            fuzzing::require(got.sname == entered[index].sname && got.deptlist == entered[index].deptlist
                                 && got.camplist == entered[index].camplist,
                             "a school entered reads back as it was entered");
        }
    }
    return 0;
}
