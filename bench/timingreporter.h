#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <exception>
#include <map>
#include <string>
#include <vector>

// Prints Google Benchmark's usual table and keeps each benchmark's times per
// iteration (in its own unit) and its counters, so a benchmark program can
// print the figures it compares once every benchmark has run.
class TimingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            Times &times = m_times[run.benchmark_name()];
            times = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime(), {}};
            for (const auto &[counter, value] : run.counters)
                times.counters[counter] = value.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Wall and processor time of `name`; 0 when it did not run.
    double wall(const std::string &name) const { return find(name).wall; }
    double cpu(const std::string &name) const { return find(name).cpu; }
    // A counter of `name`; -1 when it did not run or set none.
    double counter(const std::string &name, const std::string &counter) const
    {
        const std::map<std::string, double> &counters = find(name).counters;
        const auto it = counters.find(counter);
        return it == counters.end() ? -1 : it->second;
    }

private:
    struct Times
    {
        double wall = 0;
        double cpu = 0;
        std::map<std::string, double> counters;
    };

    Times find(const std::string &name) const
    {
        const auto it = m_times.find(name);
        return it == m_times.end() ? Times{} : it->second;
    }

    std::map<std::string, Times> m_times;
};

// Runs the benchmarks the command line chooses, then hands their times to
// `print` for the figures the program compares. Returns the program's exit
// status: 1 when a benchmark threw, so that main's own objects (a server)
// are still cleaned up.
template <typename Print>
int run_benchmarks(int *argc, char **argv, Print print)
{
    benchmark::Initialize(argc, argv);
    TimingReporter reporter;
    try {
        benchmark::RunSpecifiedBenchmarks(&reporter);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "A benchmark failed: %s\n", error.what());
        return 1;
    }
    print(reporter);
    benchmark::Shutdown();
    return 0;
}
