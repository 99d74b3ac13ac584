#include "benchreport.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct Point {
    double items;
    double cpuNs; // CPU time of one iteration
};

class SlopeReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const auto items = run.counters.find("items");
            if (run.error_occurred || !(single || median) || items == run.counters.end())
                continue;
            // Benchmarks of other processes give the processor time those used as manual time.
            const double time = run.run_name.time_type.find("manual_time") != std::string::npos
                                    ? run.GetAdjustedRealTime()
                                    : run.GetAdjustedCPUTime();
            const double ns = time / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
            m_points[run.run_name.function_name].push_back({items->second.value, ns});
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        bool header = false;
        for (const auto& [name, points] : m_points) {
            if (points.size() < 2)
                continue;
            if (!header) {
                std::printf("\nCPU time per item (ns), slope between sizes (ns per added item), "
                            "growth of the cost per item from the size before:\n");
                header = true;
            }
            std::printf("%s\n", name.c_str());
            for (std::size_t i = 0; i < points.size(); ++i) {
                const Point& p = points[i];
                std::printf("  %9.0f items: %10.1f ns/item", p.items, p.cpuNs / p.items);
                if (i > 0) {
                    const Point& q = points[i - 1];
                    std::printf("   slope %10.1f ns/item   growth %5.2f",
                                (p.cpuNs - q.cpuNs) / (p.items - q.items),
                                (p.cpuNs / p.items) / (q.cpuNs / q.items));
                }
                std::printf("\n");
            }
        }
    }

private:
    std::map<std::string, std::vector<Point>> m_points;
};

} // namespace

void setItems(benchmark::State& state, std::int64_t items) {
    state.counters["items"] = double(items);
}

int runBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SlopeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
