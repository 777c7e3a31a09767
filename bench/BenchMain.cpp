// Runs the suite and ends with one line per comparison of a program workload with the bare engine
// doing the same work: "ratio <workload>: <program time / bare time>", from the median of the runs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

struct Comparison {
    const char* workload;
    const char* program;  // benchmark names
    const char* bare;
};
constexpr Comparison kComparisons[] = {
    {"patient-list", "PatientList/Program", "PatientList/BareQuery"},
};

// Shows the runs as usual and keeps every run's real time by benchmark name.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so that a piped or saved output stays plain text.
    RecordingReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                m_times[run.run_name.function_name].push_back(run.GetAdjustedRealTime());
        ConsoleReporter::ReportRuns(runs);
    }

    // 0 when the benchmark did not run (filtered out or failed).
    double Median(const std::string& name) const {
        const auto found = m_times.find(name);
        if (found == m_times.end() || found->second.empty()) return 0;
        std::vector<double> times = found->second;
        std::sort(times.begin(), times.end());
        const size_t n = times.size();
        return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    }

private:
    std::map<std::string, std::vector<double>> m_times;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (const Comparison& c : kComparisons) {
        const double program = reporter.Median(c.program);
        const double bare = reporter.Median(c.bare);
        if (program > 0 && bare > 0) std::printf("ratio %s: %.2f\n", c.workload, program / bare);
    }
    return 0;
}
