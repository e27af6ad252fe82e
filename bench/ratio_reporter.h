#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// The console report, followed by each measured figure over its baseline from the same run: the
// median over the repetitions of each benchmark's time per iteration, less a fixed part the
// program adds on purpose (such as the tree's change delay) before the division.
class TRatioReporter final : public benchmark::ConsoleReporter {
public:
    struct Ratio {
        std::string measured; // benchmark names with their arguments: "BM_Name/0"
        std::string baseline;
        double fixedMs = 0; // taken off the measured median before the division
        double target = 0;  // the largest ratio wanted
    };

    explicit TRatioReporter(std::vector<Ratio> ratios);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::vector<Ratio> m_ratios;
    std::map<std::string, std::vector<double>> m_msPerIteration;
};
