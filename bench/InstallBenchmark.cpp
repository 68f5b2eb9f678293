// The installation core against its floor: the same 96 finished files written
// with plain POSIX writes in the same order, into an empty folder (a first
// installation) and over the files of an earlier run. Repetitions of the four
// cases are interleaved at random, so that a busy spell of the machine falls
// on all of them alike. After the usual table it prints the spread of each
// case and says which figures are too noisy to trust; the last two lines are
// the ratios, the last one for the empty folder.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/BenchInstallation.h"
#include "bench/HeapCounter.h"
#include "bench/Spread.h"

namespace {

enum Folder { kEmptyFolder, kEarlierFiles };
constexpr int kRepetitions = 15;
// Repetitions whose middle half spreads wider than this part of their median
// do not make a figure to trust.
constexpr double kTrustedSpread = 0.10;

// Runs one timed pass per iteration over the folder the case asks for, made
// outside the timing.
template <typename Pass>
void Repeat(benchmark::State& run, Pass pass) {
    const auto folder = static_cast<Folder>(run.range(0));
    if (folder == kEarlierFiles) RunInstallation();
    for (auto _ : run) {
        if (folder == kEmptyFolder) {
            run.PauseTiming();
            EmptyScratchFolder();
            run.ResumeTiming();
        }
        pass();
    }
}

void BM_Install(benchmark::State& run) {
    std::size_t peakAbove = 0;
    Repeat(run, [&] {
        const std::size_t before = heap::Current();
        heap::ResetPeak();
        if (!RunInstallation().Complete()) run.SkipWithError("installation incomplete");
        peakAbove = std::max(peakAbove, heap::Peak() - before);
    });
    run.counters["peak_heap_bytes"] = double(peakAbove);
}

// Like the installation, an earlier file is written over without truncating.
void BM_Floor(benchmark::State& run) {
    const auto files = FinishedFiles();
    Repeat(run, [&] {
        for (const auto& [path, bytes] : files) {
            const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT, 0644);
            if (descriptor < 0 ||
                ::write(descriptor, bytes.data(), bytes.size()) != ssize_t(bytes.size())) {
                run.SkipWithError("plain write failed");
            }
            ::close(descriptor);
        }
    });
}

void Folders(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("earlier_files")->Arg(kEarlierFiles)->Arg(kEmptyFolder);
    benchmark->Unit(benchmark::kMillisecond)->MinTime(0.2)->Repetitions(kRepetitions);
}
BENCHMARK(BM_Install)->Apply(Folders);
BENCHMARK(BM_Floor)->Apply(Folders);

struct Case {
    const char* what;
    const char* args;
};
constexpr Case kCases[] = {{"over earlier files", "earlier_files:1"},
                           {"into an empty folder", "earlier_files:0"}};

// One line per benchmark: its median, the middle half of its runs and how
// wide that is against the median; false when too wide to trust.
bool PrintSpread(const char* name, const Case& c, const Spread& spread) {
    const bool trusted = spread.runs > 0 && spread.Relative() <= kTrustedSpread;
    std::printf("%-7s %-20s %8.3f ms %8.3f to %8.3f ms %6.1f %%%s\n", name, c.what, spread.median,
                spread.lowerQuartile, spread.upperQuartile, 100 * spread.Relative(),
                trusted ? "" : "  too noisy to trust");
    return trusted;
}

}  // namespace

int main(int argc, char** argv) {
    // Interleaving is the default here; a flag given on the command line wins.
    std::vector<char*> arguments(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleave);
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    SpreadReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nspread: median, the middle half of the runs, its width against the median\n");
    double ratios[std::size(kCases)] = {};
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        const Case& c = kCases[i];
        const Spread install = reporter.Of("BM_Install", c.args);
        const Spread floor = reporter.Of("BM_Floor", c.args);
        const bool trusted = PrintSpread("install", c, install) & PrintSpread("floor", c, floor);
        if (floor.median <= 0 || floor.lowerQuartile <= 0) continue;
        ratios[i] = install.median / floor.median;
        std::printf("ratio %s: %.3f, between the middle halves %.3f to %.3f%s\n", c.what, ratios[i],
                    install.lowerQuartile / floor.upperQuartile,
                    install.upperQuartile / floor.lowerQuartile,
                    trusted ? "" : "; too noisy to trust");
    }
    std::printf("install/floor ratio over earlier files: %.3f\n", ratios[0]);
    std::printf("install/floor ratio: %.3f\n", ratios[1]);
    return 0;
}
