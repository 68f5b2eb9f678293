#include "bench/Spread.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>

Spread SpreadOf(std::vector<double> values) {
    if (values.empty()) return {};
    std::sort(values.begin(), values.end());
    // Whatever the distribution, the runs that bound the median with 95 %
    // confidence lie 1.96 standard deviations of a binomial count from the
    // middle rank.
    const double n = double(values.size());
    const double reach = 0.98 * std::sqrt(n);
    const auto ranked = [&](double rank) {
        return values[std::size_t(std::clamp(std::round(rank), 1.0, n)) - 1];
    };
    const std::size_t middle = values.size() / 2;
    const double median =
        values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    return {median, ranked(n / 2 - reach), ranked(n / 2 + 1 + reach), int(values.size())};
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
