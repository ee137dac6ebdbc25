// SPDX-License-Identifier: LGPL-2.1-or-later
// Opening the form designer's widget list: the plugin loaded as the designer loads it,
// its entries listed, and each entry's icon drawn at the widget box's size and its tool
// tip read, with both controls of the suite registered, and any other control library
// named on the command line (widgetlist_benchmark [benchmark flags] <library>...).
// Off screen, in one process.
#include "runtime/components/host_p.h"

#include <QApplication>
#include <QDesignerCustomWidgetCollectionInterface>
#include <QPluginLoader>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void OpenWidgetList(benchmark::State& state)
{
    for (auto _ : state) {
        QPluginLoader loader(DESIGNER_PLUGIN);
        auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
        if (!collection) {
            state.SkipWithError(qPrintable(loader.errorString()));
            return;
        }
        for (QDesignerCustomWidgetInterface* entry : collection->customWidgets()) {
            benchmark::DoNotOptimize(entry->icon().pixmap(22, 22));
            benchmark::DoNotOptimize(entry->toolTip());
        }
        // The next round reads the catalogue again, as a newly started designer does.
        loader.unload();
    }
}
BENCHMARK(OpenWidgetList)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The controls registered in a user data folder of the benchmark's own, and no
    // catalogue of the system's looked in.
    const QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(data.filePath("system")));
    benchmark::Initialize(&argc, argv);
    std::vector<const char*> libraries{TESK_LIBRARY, SOLVANE_LIBRARY};
    libraries.insert(libraries.end(), argv + 1, argv + argc);
    for (const char* library : libraries) {
        if (runtime::components::LoadedLibrary::load(library)->registerServer() != 0) {
            std::fprintf(stderr, "%s could not be registered\n", library);
            return EXIT_FAILURE;
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}
