#include "ratio_report.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace tesmira::bench {
namespace {

class CollectingReporter final : public benchmark::ConsoleReporter {
public:
    CollectingReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                secondsPerIteration[run.benchmark_name()] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> secondsPerIteration;
};

std::string readable(double seconds) {
    char text[32];
    if (seconds >= 1)
        std::snprintf(text, sizeof text, "%.2f s", seconds);
    else if (seconds >= 1e-3)
        std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    else
        std::snprintf(text, sizeof text, "%.1f us", seconds * 1e6);
    return text;
}

}  // namespace

int runAndReport(int argc, char** argv, const std::vector<Figure>& figures) {
    benchmark::Initialize(&argc, argv);
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n");
    for (const Figure& figure : figures) {
        const auto measured = reporter.secondsPerIteration.find(figure.measured);
        const auto reference = reporter.secondsPerIteration.find(figure.reference);
        if (measured == reporter.secondsPerIteration.end() ||
            reference == reporter.secondsPerIteration.end()) {
            continue;  // filtered out of this run
        }
        const double ratio = measured->second / reference->second;
        std::printf("figure: %s: %.1fx its reference (%s against %s; goal %.0fx) %s\n",
                    figure.label.c_str(), ratio, readable(measured->second).c_str(),
                    readable(reference->second).c_str(), figure.goal,
                    ratio <= figure.goal ? "met" : "NOT met");
    }
    return 0;
}

}  // namespace tesmira::bench
