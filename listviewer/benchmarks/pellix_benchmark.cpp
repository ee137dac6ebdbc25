// SPDX-License-Identifier: LGPL-2.1-or-later
// The text file list viewer, in process on the off-screen platform: the window from its
// creation until it is shown with List1 filled, laid out and painted, with a
// 30,000-line "pellix.txt" against one of three lines; then with files of one long line
// and with a file of a million lines (33 MB), where the peak memory of the showing is counted as well, as a
// multiple of the file's size.
#include "pellix.h"

#include "runtime/forms/program.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace {

// A program folder whose "pellix.txt" has the given number of lines, each
// `lineLength` characters long (the lines of ordinary length when it is 0).
class ProgramFolderWithLines {
public:
    ProgramFolderWithLines(int lines, int lineLength)
    {
        QFile file(folder_.filePath("pellix.txt"));
        file.open(QIODevice::WriteOnly);
        for (int line = 0; line < lines; ++line) {
            const QString text = lineLength == 0 ? QStringLiteral("entry number %1 of the list").arg(line)
                                                 : QString(lineLength, QChar(u'a' + line % 26));
            file.write(text.toUtf8() + "\r\n");
        }
        size_ = file.size();
    }
    QString path() const { return folder_.path(); }
    qint64 size() const { return size_; }

private:
    QTemporaryDir folder_;
    qint64 size_ = 0;
};

const ProgramFolderWithLines& folderWith(int lines, int lineLength = 0)
{
    static std::map<std::pair<int, int>, std::unique_ptr<ProgramFolderWithLines>> folders;
    auto& folder = folders[{lines, lineLength}];
    if (!folder)
        folder = std::make_unique<ProgramFolderWithLines>(lines, lineLength);
    return *folder;
}

// A figure of /proc/self/status in bytes ("VmRSS", "VmHWM").
double statusBytes(const std::string& name)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(name + ":", 0) == 0)
            return 1024.0 * std::stod(line.substr(name.size() + 1));
    return 0;
}

// Gives the memory freed so far back to the system, then starts the peak anew from the
// memory in use now, so that what an earlier run freed is not counted or reused unseen.
void resetPeakMemory()
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

void ShowWithFile(benchmark::State& state)
{
    const int lines = static_cast<int>(state.range(0));
    runtime::setProgramFolder(folderWith(lines).path());
    for (auto _ : state) {
        auto window = std::make_unique<pellix>();
        window->show();
        QCoreApplication::processEvents();
        if (window->List1.count() != lines)
            state.SkipWithError("the file did not load");
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    runtime::setProgramFolder({});
}
BENCHMARK(ShowWithFile)->Arg(3)->Arg(30000)->Unit(benchmark::kMillisecond);

// The window shown with `lines` lines of `lineLength` characters, the last entry then
// selected by the program; peak_per_file_byte is the memory the showing took at its
// peak, above what was in use before, divided by the file's size.
void ShowAndSelect(benchmark::State& state)
{
    const ProgramFolderWithLines& folder = folderWith(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    runtime::setProgramFolder(folder.path());
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        resetPeakMemory();
        const double before = statusBytes("VmRSS");
        state.ResumeTiming();
        auto window = std::make_unique<pellix>();
        window->show();
        QCoreApplication::processEvents();
        window->List1.setCurrentIndex(window->List1.count() - 1);
        QCoreApplication::processEvents();
        state.PauseTiming();
        peak = std::max(peak, statusBytes("VmHWM") - before);
        if (window->List1.count() != state.range(0))
            state.SkipWithError("the file did not load");
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["peak_per_file_byte"] = peak / folder.size();
    runtime::setProgramFolder({});
}
BENCHMARK(ShowAndSelect)
    ->Args({1, 1'000'000})
    ->Args({1, 10'000'000})
    ->Args({1'000'000, 0})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    runtime::Program program(argc, argv, "pellix_benchmark");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
