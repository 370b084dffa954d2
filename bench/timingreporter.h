#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Prints Google Benchmark's usual table and keeps each benchmark's times per
// iteration (in its own unit), so a benchmark program can print the figures
// it compares once every benchmark has run.
class TimingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            m_times[run.benchmark_name()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        ConsoleReporter::ReportRuns(runs);
    }

    // Wall and processor time of `name`; 0 when it did not run.
    double wall(const std::string &name) const { return find(name).wall; }
    double cpu(const std::string &name) const { return find(name).cpu; }

private:
    struct Times
    {
        double wall = 0;
        double cpu = 0;
    };

    Times find(const std::string &name) const
    {
        const auto it = m_times.find(name);
        return it == m_times.end() ? Times{} : it->second;
    }

    std::map<std::string, Times> m_times;
};

// Runs the benchmarks the command line chooses, then hands their times to
// `print` for the figures the program compares.
template <typename Print>
void run_benchmarks(int *argc, char **argv, Print print)
{
    benchmark::Initialize(argc, argv);
    TimingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    print(reporter);
    benchmark::Shutdown();
}
