#include "bench/ratio_reporter.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <unistd.h>

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

// Colours only on a terminal, as the library's own reporter does by default.
TRatioReporter::TRatioReporter(std::vector<Ratio> ratios)
    : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular),
      m_ratios(std::move(ratios)) {}

void TRatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0)
            m_msPerIteration[run.run_name.function_name + "/" + run.run_name.args].push_back(
                run.real_accumulated_time * 1000.0 / static_cast<double>(run.iterations));
    }
    ConsoleReporter::ReportRuns(runs);
}

void TRatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    for (const Ratio& ratio : m_ratios) {
        const auto measured = m_msPerIteration.find(ratio.measured);
        const auto baseline = m_msPerIteration.find(ratio.baseline);
        if (measured == m_msPerIteration.end() || baseline == m_msPerIteration.end())
            continue;
        const double m = Median(measured->second);
        const double b = Median(baseline->second);
        const double r = (m - ratio.fixedMs) / b;
        char line[512];
        std::snprintf(line, sizeof line,
                      "%s: median %.2f ms over %zu runs; %s: median %.2f ms over %zu runs; "
                      "(%.2f - %.0f) / %.2f = %.2fx (target at most %.2fx): %s\n",
                      ratio.measured.c_str(), m, measured->second.size(), ratio.baseline.c_str(), b,
                      baseline->second.size(), m, ratio.fixedMs, b, r, ratio.target,
                      r <= ratio.target ? "met" : "missed");
        GetOutputStream() << line;
    }
}
