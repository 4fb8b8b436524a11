#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// What one benchmark is held against: the time of another benchmark of the same run, a time limit, or both.
struct Target
{
    std::string name;
    std::string baseline;         // none when empty
    double limitMilliseconds = 0; // none when 0
};

// The console table as usual, then one line per target: the median real time per iteration, the ratio to the
// baseline and whether the limit is met. With --benchmark_repetitions the median is that of the repetitions.
// Benchmarks are named by their function.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    SummaryReporter(OutputOptions options, std::vector<Target> targets);

    void ReportRuns(const std::vector<Run> &runs) override;
    void Finalize() override;

private:
    // Median milliseconds per iteration; negative when the benchmark did not run or failed.
    double milliseconds(const std::string &name) const;

    std::vector<Target> m_targets;
    std::map<std::string, std::vector<double>> m_runs;
    std::map<std::string, double> m_medians;
};
