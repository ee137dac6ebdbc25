// SPDX-License-Identifier: LGPL-2.1-or-later
// Whole-process start-up: the time from starting a program to its first window being
// mapped on the X display, and the peak memory of the process at that moment.
//
//   startup_benchmark [NAME=VALUE...] <program> [[NAME=VALUE...] <program>...] [--benchmark_repetitions=N ...]
//
// Every program is started the same way from the same run, so each one's figure is
// comparable with the first one given (the minimal Qt window program): the summary at
// the end gives medians and their ratios to it. Settings before a program, as env(1)
// takes them, are added to that program's environment alone (an installed program run
// as a user with no data of their own, beside programs that share the run's).
#include <benchmark/benchmark.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Program {
    std::string path;
    std::vector<std::string> environment;  // NAME=VALUE
};

struct Sample {
    double seconds = 0;
    long peakKilobytes = 0;
};

std::map<std::string, std::vector<Sample>> samples;

long peakMemoryOf(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return 0;
}

// Starts the program and waits for the first top-level window to be mapped.
Sample startOnce(const Program& program)
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "startup_benchmark: no X display\n");
        std::exit(2);
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &events);
    xcb_flush(connection);

    const auto started = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        for (const std::string& setting : program.environment)
            putenv(const_cast<char*>(setting.c_str()));
        execl(program.path.c_str(), program.path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    Sample sample;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
        free(event);
        if (mapped) {
            sample.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
            break;
        }
    }
    sample.peakKilobytes = peakMemoryOf(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(connection);
    return sample;
}

void startUp(benchmark::State& state, const Program& program)
{
    for (auto _ : state) {
        const Sample sample = startOnce(program);
        state.SetIterationTime(sample.seconds);
        state.counters["peak_kB"] = static_cast<double>(sample.peakKilobytes);
        samples[program.path].push_back(sample);
    }
}

template <typename Value>
Value median(std::vector<Value> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void printSummary(const std::vector<Program>& programs)
{
    std::vector<double> times;
    std::vector<long> peaks;
    for (const Sample& sample : samples[programs.front().path]) {
        times.push_back(sample.seconds);
        peaks.push_back(sample.peakKilobytes);
    }
    const double baseTime = median(times);
    const double basePeak = static_cast<double>(median(peaks));
    std::printf("\n%-40s %12s %8s %12s %8s\n", "program", "median ms", "ratio", "peak kB", "ratio");
    for (const Program& program : programs) {
        times.clear();
        peaks.clear();
        for (const Sample& sample : samples[program.path]) {
            times.push_back(sample.seconds);
            peaks.push_back(sample.peakKilobytes);
        }
        const std::string name = program.path.substr(program.path.find_last_of('/') + 1);
        std::printf("%-40s %12.1f %8.2f %12ld %8.2f\n", name.c_str(), median(times) * 1000, median(times) / baseTime,
                    median(peaks), median(peaks) / basePeak);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    std::vector<Program> programs;
    std::vector<std::string> settings;
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument.find('=') != std::string::npos && argument.front() != '/') {
            settings.push_back(argument);
        } else {
            programs.push_back({argument, settings});
            settings.clear();
        }
    }
    if (programs.empty() || !settings.empty()) {
        std::fprintf(stderr, "usage: startup_benchmark [NAME=VALUE...] <minimal program> [[NAME=VALUE...] <program>...] "
                             "[benchmark flags]\n");
        return 2;
    }
    for (const Program& program : programs) {
        const std::string name = "startup/" + program.path.substr(program.path.find_last_of('/') + 1);
        benchmark::RegisterBenchmark(name.c_str(), startUp, program)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(15)
            ->ReportAggregatesOnly(true);
    }
    benchmark::RunSpecifiedBenchmarks();
    printSummary(programs);
    return 0;
}
