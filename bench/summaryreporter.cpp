#include "summaryreporter.h"

#include "median.h"

#include <cstdio>
#include <ostream>

namespace {

double toMilliseconds(double time, benchmark::TimeUnit unit)
{
    return time / benchmark::GetTimeUnitMultiplier(unit) * 1e3;
}

std::string format(const char *pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// Short figures stay readable in microseconds.
std::string duration(double milliseconds)
{
    return milliseconds < 1 ? format("%.1f us", milliseconds * 1e3) : format("%.2f ms", milliseconds);
}

} // namespace

SummaryReporter::SummaryReporter(OutputOptions options, std::vector<Target> targets)
    : ConsoleReporter(options)
    , m_targets(std::move(targets))
{
}

void SummaryReporter::ReportRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs) {
        if (run.error_occurred)
            continue;
        const std::string &name = run.run_name.function_name;
        const double time = toMilliseconds(run.GetAdjustedRealTime(), run.time_unit);
        if (run.run_type == Run::RT_Iteration)
            m_runs[name].push_back(time);
        else if (run.aggregate_name == "median")
            m_medians[name] = time;
    }
    ConsoleReporter::ReportRuns(runs);
}

double SummaryReporter::milliseconds(const std::string &name) const
{
    if (const auto found = m_medians.find(name); found != m_medians.end())
        return found->second;
    if (const auto found = m_runs.find(name); found != m_runs.end())
        return median(found->second);
    return -1;
}

void SummaryReporter::Finalize()
{
    ConsoleReporter::Finalize();
    if (m_targets.empty())
        return;
    std::ostream &out = GetOutputStream();
    out << "\nTargets (median real time per iteration):\n";
    for (const Target &target : m_targets) {
        const double time = milliseconds(target.name);
        if (time < 0) {
            out << "  " << target.name << ": not measured\n";
            continue;
        }
        std::string line = "  " + target.name + " " + duration(time);
        if (!target.baseline.empty()) {
            const double baseline = milliseconds(target.baseline);
            line += " against " + target.baseline + " ";
            line += baseline > 0 ? duration(baseline) + ": " + format("%.2fx", time / baseline) : "(not measured)";
        }
        if (target.limitMilliseconds > 0) {
            line += ", limit " + duration(target.limitMilliseconds) + ": ";
            line += time < target.limitMilliseconds ? "met" : "MISSED";
        }
        out << line << '\n';
    }
    out.flush();
}
