// SPDX-License-Identifier: LGPL-2.1-or-later
// What a host pays for the phone control through the component system: creating
// tesk.phonectrl by class identifier (catalogue look-up, the checks of the library file
// and its version block, the loaded library, its factory and a new instance, destroyed
// again), its parts alone, and one call of stdformat by member identifier against the
// direct call. The library is registered in a user data folder of the run's own.
//
//   phonecontrol_benchmark --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include "phonectrl.h"
#include "phonectrlmembers.h"

#include "runtime/components/catalogue_p.h"
#include "runtime/components/host_p.h"
#include "runtime/components/server.h"
#include "runtime/forms/program.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace runtime::components;

void createByClassIdentifier(benchmark::State& state)
{
    for (auto _ : state) {
        std::shared_ptr<Instance> instance = createInstance("tesk.phonectrl");
        benchmark::DoNotOptimize(instance.get());
    }
}
BENCHMARK(createByClassIdentifier)->Unit(benchmark::kMicrosecond);

void catalogueLookUp(benchmark::State& state)
{
    for (auto _ : state) {
        CatalogueEntry entry = Catalogue::read().find("tesk.phonectrl");
        benchmark::DoNotOptimize(entry.library.data());
    }
}
BENCHMARK(catalogueLookUp)->Unit(benchmark::kMicrosecond);

void libraryChecks(benchmark::State& state)
{
    const QString library = Catalogue::read().find("tesk.phonectrl").library;
    for (auto _ : state)
        benchmark::DoNotOptimize(checkLibrary(library, "tesk.phonectrl").refusal.size());
}
BENCHMARK(libraryChecks)->Unit(benchmark::kMicrosecond);

void factoryAndInstance(benchmark::State& state)
{
    const CatalogueEntry entry = Catalogue::read().find("tesk.phonectrl");
    const auto library = LoadedLibrary::load(entry.library);
    for (auto _ : state) {
        ClassFactory* factory = nullptr;
        library->getClassObject(entry.type.id, &factory);
        std::unique_ptr<runtime::UserControl> control = factory->createInstance();
        delete factory;
        benchmark::DoNotOptimize(control.get());
    }
}
BENCHMARK(factoryAndInstance)->Unit(benchmark::kMicrosecond);

void callByMemberIdentifier(benchmark::State& state)
{
    const std::shared_ptr<Instance> instance = createInstance("tesk.phonectrl");
    auto& control = static_cast<phonectrl&>(*instance->control());
    control.area.setText("312");
    control.exch.setText("447");
    control.linenum.setText("1234");
    for (auto _ : state) {
        runtime::Arguments none;
        CallResult result = instance->invoke(phonectrlmember::stdformat, CallKind::Method, none);
        benchmark::DoNotOptimize(result.value.toText().data());
    }
}
BENCHMARK(callByMemberIdentifier)->Unit(benchmark::kMicrosecond);

void directCall(benchmark::State& state)
{
    phonectrl control;
    control.area.setText("312");
    control.exch.setText("447");
    control.linenum.setText("1234");
    for (auto _ : state)
        benchmark::DoNotOptimize(control.stdformat().data());
}
BENCHMARK(directCall)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    runtime::Program program(argc, argv, "phonecontrol_benchmark");
    if (LoadedLibrary::load(TESK_LIBRARY)->registerServer() != Ok) {
        std::fprintf(stderr, "phonecontrol_benchmark: %s\n", qPrintable(lastError()));
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
