#include "bench/Spread.h"

#include <unistd.h>

#include <algorithm>

namespace {

// Linear between the two nearest ranks.
double Quantile(const std::vector<double>& sorted, double q) {
    const double at = q * double(sorted.size() - 1);
    const auto below = std::size_t(at);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (at - double(below)) * (sorted[above] - sorted[below]);
}

}  // namespace

Spread SpreadOf(std::vector<double> values) {
    if (values.empty()) return {};
    std::sort(values.begin(), values.end());
    return {Quantile(values, 0.5), Quantile(values, 0.25), Quantile(values, 0.75),
            int(values.size())};
}

// Colours only on a terminal, so that the lines read well in a file.
SpreadReporter::SpreadReporter()
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

void SpreadReporter::ReportRuns(const std::vector<Run>& runs) {
    std::vector<Run> aggregates;
    for (const Run& r : runs) {
        if (r.run_type == Run::RT_Aggregate) {
            aggregates.push_back(r);
        } else if (!r.error_occurred) {
            times_[{r.run_name.function_name, r.run_name.args}].push_back(r.GetAdjustedRealTime());
        }
    }
    ConsoleReporter::ReportRuns(aggregates);
}

Spread SpreadReporter::Of(const std::string& function, const std::string& args) const {
    const auto found = times_.find({function, args});
    return found == times_.end() ? Spread{} : SpreadOf(found->second);
}
