// The text file list viewer with a 30,000-line "pellix.txt" against one of three lines:
// the window from its creation until it is shown with List1 filled, laid out and
// painted, in process on the off-screen platform.
#include "pellix.h"

#include "runtime/forms/program.h"
#include "runtime/forms/program.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

// A program folder whose "pellix.txt" has the given number of lines.
class ProgramFolderWithLines {
public:
    explicit ProgramFolderWithLines(int lines)
    {
        QFile file(folder_.filePath("pellix.txt"));
        file.open(QIODevice::WriteOnly);
        for (int line = 0; line < lines; ++line)
            file.write(QStringLiteral("entry number %1 of the list\r\n").arg(line).toUtf8());
    }
    QString path() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
};

const ProgramFolderWithLines& folderWith(int lines)
{
    static std::map<int, std::unique_ptr<ProgramFolderWithLines>> folders;
    auto& folder = folders[lines];
    if (!folder)
        folder = std::make_unique<ProgramFolderWithLines>(lines);
    return *folder;
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

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    runtime::Program program(argc, argv, "pellix_benchmark");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
