#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

// Where the median of a benchmark's repetitions lies.
struct Spread {
    double median = 0;
    double low = 0;  // the median lies between low and high with 95 % confidence
    double high = 0;
    int runs = 0;

    // The width of that interval against the median.
    double Relative() const { return median > 0 ? (high - low) / median : 1; }
};

Spread SpreadOf(std::vector<double> values);

// Shows the aggregates on the console as usual and keeps the real time of
// every repetition, by benchmark function and arguments.
class SpreadReporter : public benchmark::ConsoleReporter {
public:
    SpreadReporter();
    void ReportRuns(const std::vector<Run>& runs) override;
    Spread Of(const std::string& function, const std::string& args) const;

private:
    std::map<std::pair<std::string, std::string>, std::vector<double>> times_;
};
