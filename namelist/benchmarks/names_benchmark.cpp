// SPDX-License-Identifier: LGPL-2.1-or-later
// The name list at its largest, 32,766 records: loading the file, a find over every
// record and saving it again, each in process. The list's memory is reported as the
// growth of the heap in use while the records are held.
#include "names.h"
#include "vorn.h"

#include "runtime/forms/program.h"
#include "runtime/forms/program.h"

#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

class LargeFile {
public:
    LargeFile()
    {
        QFile file(path());
        file.open(QIODevice::WriteOnly);
        for (int line = 0; line < names::maxCount; ++line)
            file.write(QStringLiteral("Lastname%1 Firstname%2\r\n").arg(line).arg(line % 977).toUtf8());
    }
    QString path() const { return folder_.filePath("vorn.txt"); }
    QString output() const { return folder_.filePath("vorno.txt"); }

private:
    QTemporaryDir folder_;
};

const LargeFile& largeFile()
{
    static const LargeFile file;
    return file;
}

// Heap bytes in use, so that the growth while the list is held is the list's memory:
// those of the heap's arena and those of the large blocks it maps on their own.
long heapKilobytesInUse()
{
    const struct mallinfo2 heap = mallinfo2();
    return static_cast<long>((heap.uordblks + heap.hblkhd) / 1024);
}

void Load(benchmark::State& state)
{
    long growth = 0;
    for (auto _ : state) {
        const long before = heapKilobytesInUse();
        names list;
        if (!list.loadfromfile(largeFile().path()) || list.count() != names::maxCount)
            state.SkipWithError("the file did not load");
        growth = heapKilobytesInUse() - before;
        state.PauseTiming();
        {
            names discarded = std::move(list);
        }
        state.ResumeTiming();
    }
    state.counters["list_kB"] = static_cast<double>(growth);
}
BENCHMARK(Load)->Unit(benchmark::kMillisecond);

void FindOverAllRecords(benchmark::State& state)
{
    names list;
    list.loadfromfile(largeFile().path());
    for (auto _ : state) {
        names::Record found;
        benchmark::DoNotOptimize(list.find("Firstname5", "", found));
    }
}
BENCHMARK(FindOverAllRecords)->Unit(benchmark::kMillisecond);

// What the user waits for after Find Last Name: the window's walk over every record.
void FindInWindow(benchmark::State& state)
{
    runtime::setProgramFolder(QFileInfo(largeFile().path()).path());
    Vorn window;
    window.show();
    window.load.press();
    window.target.setText("lastname12345");
    for (auto _ : state)
        window.findlname.press();
    if (window.results.count() != static_cast<int>(state.iterations()))
        state.SkipWithError("the search did not find the one record");
}
BENCHMARK(FindInWindow)->Unit(benchmark::kMillisecond);

void Save(benchmark::State& state)
{
    names list;
    list.loadfromfile(largeFile().path());
    for (auto _ : state) {
        if (!list.savetofile(largeFile().output()))
            state.SkipWithError("the file was not saved");
    }
}
BENCHMARK(Save)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    runtime::Program program(argc, argv, "names_benchmark");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
