// SPDX-License-Identifier: LGPL-2.1-or-later
// The grade book's in-process work that a user waits for: the main window built and
// shown, File > New reading a school list file of 11 schools into the New Grade Book
// window until it is shown, and the reading alone. Whole-process start-up against the
// minimal Qt window program is measured by benchmarks/startup.
#include "application.h"
#include "schoolfile.h"

#include "runtime/forms/program.h"
#include "runtime/forms/program.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

class ElevenSchools {
public:
    ElevenSchools()
    {
        QFile file(path());
        file.open(QIODevice::WriteOnly);
        for (int school = 1; school <= appdata::schoolCount; ++school)
            file.write(QStringLiteral("School of Sciences %1;CS,CIS,EE,ME,MATH;North,South,East,West\r\n")
                           .arg(school)
                           .toUtf8());
        runtime::setProgramFolder(folder_.path());
    }
    QString path() const { return folder_.filePath("schools.dt"); }

private:
    QTemporaryDir folder_;
};

const ElevenSchools& elevenSchools()
{
    static const ElevenSchools file;
    return file;
}

void MainWindowShown(benchmark::State& state)
{
    for (auto _ : state) {
        application grades;
        grades.mainWindow.show();
        QApplication::processEvents();
    }
}
BENCHMARK(MainWindowShown)->Unit(benchmark::kMillisecond);

void FileNewOnElevenSchools(benchmark::State& state)
{
    elevenSchools();
    for (auto _ : state) {
        state.PauseTiming();
        auto grades = std::make_unique<application>();
        grades->mainWindow.show();
        QApplication::processEvents();
        state.ResumeTiming();

        grades->mainWindow.filenewmn.choose();
        QApplication::processEvents();

        state.PauseTiming();
        if (grades->newGradeBook->schoollist.count() != appdata::schoolCount)
            state.SkipWithError("the schools were not read");
        grades.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(FileNewOnElevenSchools)->Unit(benchmark::kMillisecond);

void ReadElevenSchools(benchmark::State& state)
{
    const schoolfile file(elevenSchools().path());
    appdata::SchoolTable schools;
    for (auto _ : state) {
        if (file.readinto(schools).count != appdata::schoolCount)
            state.SkipWithError("the schools were not read");
    }
}
BENCHMARK(ReadElevenSchools)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    runtime::Program program(argc, argv, "grades_benchmark");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
