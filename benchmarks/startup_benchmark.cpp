// Whole-process start-up: the time from starting a program to its first window being
// mapped on the X display, and the peak memory of the process at that moment.
//
//   startup_benchmark <program> [<program>...] [--benchmark_repetitions=N ...]
//
// Every program is started the same way from the same run, so each one's figure is
// comparable with the first one given (the minimal Qt window program): the summary at
// the end gives medians and their ratios to it.
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
Sample startOnce(const std::string& program)
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
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
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

void startUp(benchmark::State& state, const std::string& program)
{
    for (auto _ : state) {
        const Sample sample = startOnce(program);
        state.SetIterationTime(sample.seconds);
        state.counters["peak_kB"] = static_cast<double>(sample.peakKilobytes);
        samples[program].push_back(sample);
    }
}

template <typename Value>
Value median(std::vector<Value> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void printSummary(const std::vector<std::string>& programs)
{
    std::vector<double> times;
    std::vector<long> peaks;
    for (const Sample& sample : samples[programs.front()]) {
        times.push_back(sample.seconds);
        peaks.push_back(sample.peakKilobytes);
    }
    const double baseTime = median(times);
    const double basePeak = static_cast<double>(median(peaks));
    std::printf("\n%-40s %12s %8s %12s %8s\n", "program", "median ms", "ratio", "peak kB", "ratio");
    for (const std::string& program : programs) {
        times.clear();
        peaks.clear();
        for (const Sample& sample : samples[program]) {
            times.push_back(sample.seconds);
            peaks.push_back(sample.peakKilobytes);
        }
        const std::string name = program.substr(program.find_last_of('/') + 1);
        std::printf("%-40s %12.1f %8.2f %12ld %8.2f\n", name.c_str(), median(times) * 1000, median(times) / baseTime,
                    median(peaks), median(peaks) / basePeak);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    std::vector<std::string> programs(argv + 1, argv + argc);
    if (programs.empty()) {
        std::fprintf(stderr, "usage: startup_benchmark <minimal program> <program>... [benchmark flags]\n");
        return 2;
    }
    for (const std::string& program : programs) {
        const std::string name = "startup/" + program.substr(program.find_last_of('/') + 1);
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
