// SPDX-License-Identifier: LGPL-2.1-or-later
// additem at size: 30,000 distinct texts added to a new control, then the same 30,000
// again, every one of them refused. The control looks a text up in its index beside the
// list; the reference walks every item of the list with a 16-bit counter, as a plain list
// box control would, over the same kind of list. Both medians and their ratio are printed
// at the end.
#include "ulistctrl.h"

#include "runtime/base/integers.h"
#include "runtime/forms/listbox.h"
#include "runtime/forms/program.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int distinctTexts = 30000;

// Distinct texts of one length, so that the scan compares characters and not just sizes.
const QStringList& texts()
{
    static const QStringList all = [] {
        QStringList made;
        for (int index = 0; index < distinctTexts; ++index)
            made.append(QStringLiteral("entry %1").arg(index, 5, 10, QLatin1Char('0')));
        return made;
    }();
    return all;
}

// The walk over every item: the count read once, a 16-bit counter up to count - 1, an
// exact comparison with each item's text, and the text added when none was equal.
void additemByScan(runtime::ListBox& list, const runtime::Text& str)
{
    const runtime::Short last = list.count() - 1;
    for (runtime::Short index = 0; index <= last; ++index) {
        if (list.item(index) == str)
            return;
    }
    list.addItem(str);
}

template <typename Control, typename Add, typename Count>
void addTwice(benchmark::State& state, Add add, Count count)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto control = std::make_unique<Control>();
        state.ResumeTiming();
        for (QString text : texts())
            add(*control, text);
        for (QString text : texts())
            add(*control, text);
        // Until the list's view knows every row, as it does when the event loop next runs.
        QCoreApplication::sendPostedEvents();
        state.PauseTiming();
        if (count(*control) != distinctTexts)
            state.SkipWithError("the list does not hold each text exactly once");
        control.reset();
        state.ResumeTiming();
    }
}

void Indexed(benchmark::State& state)
{
    addTwice<ulistctrl>(
        state, [](ulistctrl& control, QString& text) { control.additem(text); },
        [](const ulistctrl& control) { return control.count().toInt(); });
}
BENCHMARK(Indexed)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->ReportAggregatesOnly(true);

void PlainScan(benchmark::State& state)
{
    addTwice<runtime::ListBox>(
        state, [](runtime::ListBox& list, const QString& text) { additemByScan(list, text); },
        [](const runtime::ListBox& list) { return list.count(); });
}
BENCHMARK(PlainScan)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);

// Prints as usual and keeps each benchmark's medians, for the ratio.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    struct Medians {
        double real = 0;  // milliseconds
        double cpu = 0;
    };

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        }
    }

    std::map<std::string, Medians> medians;
};

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    runtime::Program program(argc, argv, "additem_benchmark");
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto indexed = reporter.medians.find("Indexed");
    const auto scan = reporter.medians.find("PlainScan");
    if (indexed != reporter.medians.end() && scan != reporter.medians.end() && indexed->second.real > 0
        && indexed->second.cpu > 0) {
        const MedianReporter::Medians& index = indexed->second;
        const MedianReporter::Medians& walk = scan->second;
        std::printf("30,000 additions and 30,000 refusals, median real time: indexed %.1f ms, plain scan %.0f ms, "
                    "scan / indexed %.0f\n",
                    index.real, walk.real, walk.real / index.real);
        std::printf("30,000 additions and 30,000 refusals, median CPU time:  indexed %.1f ms, plain scan %.0f ms, "
                    "scan / indexed %.0f\n",
                    index.cpu, walk.cpu, walk.cpu / index.cpu);
    }
    benchmark::Shutdown();
    return 0;
}
