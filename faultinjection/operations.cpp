// SPDX-License-Identifier: LGPL-2.1-or-later
// Runs one file operation of the suite through its real code, for the fault injection
// check: the folder's files are prepared by the check, and this program only says
// whether the operation reported success ("succeeded") or a failure ("failed").
//
//   operations vorno <folder>      the name list window saves vorno.txt
//   operations school <folder>     the grade book appends a school to schools.dt
//   operations records <folder>    a text file of 32,766 records is saved as records.txt
//   operations list <folder>       the folder's *.dt files are listed, one a line after
//                                  the word that says how it went
#include "grades/schoolfile.h"
#include "grades/schoolline.h"
#include "namelist/vorn.h"
#include "runtime/base/error.h"
#include "runtime/files/patternsearch.h"
#include "runtime/files/textfile.h"
#include "runtime/forms/program.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <functional>

#include <QStringList>

namespace {

// The preloaded interposer counts only what happens between arm and disarm.
void arm(bool on)
{
    using Arm = void (*)(bool);
    if (const auto armFunction = reinterpret_cast<Arm>(::dlsym(RTLD_DEFAULT, "faultInjectionArm")))
        armFunction(on);
}

bool armedRun(const std::function<bool()>& operation)
{
    arm(true);
    const bool succeeded = operation();
    arm(false);
    return succeeded;
}

bool saveNameList(const QString& folder)
{
    runtime::setProgramFolder(folder);
    Vorn window;
    window.show();
    window.load.press();
    return armedRun([&] {
        window.savedata.press();
        return window.msgs.caption() == "data file saved";
    });
}

bool appendSchool(const QString& folder)
{
    const schoolfile file(folder + "/schools.dt");
    return armedRun([&] {
        try {
            file.append(schoolline::make("Northern College", "Arts\r\nLaw", "North"));
            return true;
        } catch (const runtime::RuntimeError& error) {
            std::fprintf(stderr, "%s\n", qPrintable(error.text()));
            return false;
        }
    });
}

bool saveRecords(const QString& folder)
{
    return armedRun([&] {
        try {
            runtime::OutputFile file(folder + "/records.txt");
            for (int record = 1; record <= 32766; ++record)
                file.writeLine(QStringLiteral("Name%1 Family%1").arg(record));
            file.close();
            return true;
        } catch (const runtime::RuntimeError& error) {
            std::fprintf(stderr, "%s\n", qPrintable(error.text()));
            return false;
        }
    });
}

bool listDataFiles(const QString& folder)
{
    QStringList names;
    const bool listed = armedRun([&] {
        try {
            runtime::PatternSearch search(folder + "/*.dt");
            for (QString name = search.next(); !name.isEmpty(); name = search.next())
                names << name;
            return true;
        } catch (const runtime::RuntimeError& error) {
            std::fprintf(stderr, "%s\n", qPrintable(error.text()));
            return false;
        }
    });
    names.sort();
    std::puts(listed ? "succeeded" : "failed");
    for (const QString& name : names)
        std::puts(qPrintable(name));
    return listed;
}

}  // namespace

int main(int argc, char** argv)
{
    runtime::Program program(argc, argv, "operations");
    if (argc != 3) {
        std::fprintf(stderr, "usage: operations vorno|school|records|list <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    if (std::strcmp(argv[1], "list") == 0) {
        listDataFiles(folder);
        return 0;
    }
    const bool succeeded = std::strcmp(argv[1], "vorno") == 0    ? saveNameList(folder)
                           : std::strcmp(argv[1], "school") == 0 ? appendSchool(folder)
                                                                 : saveRecords(folder);
    std::puts(succeeded ? "succeeded" : "failed");
    return 0;
}
