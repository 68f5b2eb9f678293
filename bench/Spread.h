#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

// How far the repetitions of one benchmark lie apart.
struct Spread {
    double median = 0;
    double lowerQuartile = 0;
    double upperQuartile = 0;
    int runs = 0;

    // The width of the middle half of the runs against their median.
    double Relative() const { return median > 0 ? (upperQuartile - lowerQuartile) / median : 1; }
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
