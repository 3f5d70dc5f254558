#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <QString>
#include <string>

namespace qnr::bench {

// Keeps the real time per iteration of every benchmark run, so a bench can compare
// two of them side by side at the end of the same run.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

// Prints "name: value (bar)" and returns false when the bar is missed.
bool checkRatio(const char* what, double ratio, double bar, bool atMost);

// A folder that lives for the whole bench run.
QString benchFolder();

} // namespace qnr::bench
