// The installation core against its floor: the same 96 finished files written
// with plain POSIX writes in the same order, into an empty folder (a first
// installation) and over the files of an earlier run. Repetitions of the four
// cases are interleaved at random, so that a busy spell of the machine falls
// on all of them alike. After the usual table it prints how the runs of each
// case lie and how sure each ratio is, and says when a ratio is too noisy to
// trust; the last two lines are the ratios, the last one for the empty folder.
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
constexpr int kRepetitions = 21;
// A ratio whose 95 % confidence interval is wider than this part of it is too
// noisy to trust.
constexpr double kTrustedWidth = 0.20;

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
    benchmark->Unit(benchmark::kMillisecond)->MinTime(0.15)->Repetitions(kRepetitions);
}
BENCHMARK(BM_Install)->Apply(Folders);
BENCHMARK(BM_Floor)->Apply(Folders);

struct Case {
    const char* what;
    const char* args;
};
constexpr Case kCases[] = {{"over earlier files", "earlier_files:1"},
                           {"into an empty folder", "earlier_files:0"}};

void PrintSpread(const char* name, const Case& c, const Spread& spread) {
    std::printf("%-7s %-20s %8.3f ms %8.3f to %8.3f ms %6.1f %%\n", name, c.what, spread.median,
                spread.low, spread.high, 100 * spread.Relative());
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

    std::printf("\n%d runs each: the median, where it lies with 95 %% confidence, that width\n",
                kRepetitions);
    double ratios[std::size(kCases)] = {};
    for (std::size_t i = 0; i < std::size(kCases); ++i) {
        const Case& c = kCases[i];
        const Spread install = reporter.Of("BM_Install", c.args);
        const Spread floor = reporter.Of("BM_Floor", c.args);
        PrintSpread("install", c, install);
        PrintSpread("floor", c, floor);
        if (floor.low <= 0) continue;
        ratios[i] = install.median / floor.median;
        const double low = install.low / floor.high;
        const double high = install.high / floor.low;
        std::printf("ratio %s: %.3f, with 95 %% confidence %.3f to %.3f%s\n", c.what, ratios[i],
                    low, high,
                    high - low > kTrustedWidth * ratios[i] ? ": too noisy to trust" : "");
    }
    std::printf("install/floor ratio over earlier files: %.3f\n", ratios[0]);
    std::printf("install/floor ratio: %.3f\n", ratios[1]);
    return 0;
}
