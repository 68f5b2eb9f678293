// The installation core against its floor: the same 96 finished files written
// with plain POSIX writes, into an empty folder (a first installation) and
// over the files of an earlier run. The last line printed is the ratio of the
// two for the empty folder.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench/HeapCounter.h"
#include "install/PictureInstaller.h"
#include "platform/posix/PosixFileSystem.h"
#include "res/EmbeddedResources.h"

namespace {

enum Folder { kEmptyFolder, kEarlierFiles };

const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        auto path =
            std::filesystem::temp_directory_path() / ("install_bench." + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

void EmptyScratchFolder() {
    for (const auto& entry : std::filesystem::directory_iterator(ScratchFolder())) {
        std::filesystem::remove(entry.path());
    }
}

class QuietInstaller : public PictureInstaller {
public:
    QuietInstaller(SetupState& state, FileSystem& files, PictureSurface& surface)
        : PictureInstaller(state, EmbeddedResources(), files, surface) {}

private:
    void DrawScene(std::int32_t, SceneMode) override {}
};

InstallReport RunInstallation() {
    PosixFileSystem files;
    PictureSurface surface;
    surface.Create();
    SetupState state;
    state.szPicturesFolder.Assign(ScratchFolder().string());
    QuietInstaller installer(state, files, surface);
    return installer.InstallAllPictures();
}

// Runs one timed pass per iteration; an empty folder is made outside the timing.
template <typename Pass>
void Repeat(benchmark::State& run, Pass pass) {
    const auto folder = static_cast<Folder>(run.range(0));
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

// The 96 files exactly as the installation leaves them.
std::vector<std::pair<std::string, std::string>> FinishedFiles() {
    RunInstallation();
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : std::filesystem::directory_iterator(ScratchFolder())) {
        std::string bytes(entry.file_size(), '\0');
        std::FILE* file = std::fopen(entry.path().c_str(), "rb");
        if (std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size()) std::abort();
        std::fclose(file);
        files.emplace_back(entry.path().string(), std::move(bytes));
    }
    return files;
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
    benchmark->Unit(benchmark::kMillisecond)->MinTime(0.5)->Repetitions(5);
    benchmark->ReportAggregatesOnly(true);
}
BENCHMARK(BM_Install)->Apply(Folders);
BENCHMARK(BM_Floor)->Apply(Folders);

// Keeps the median of every benchmark's repetitions while the console shows
// them as usual: the file system's own work makes single runs vary widely.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so that the lines read well in a file.
    RecordingReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.aggregate_name != "median") continue;
            seconds[{r.run_name.function_name, r.run_name.args}] = r.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    double Ratio(const std::string& args) {
        const double install = seconds[{"BM_Install", args}];
        const double floor = seconds[{"BM_Floor", args}];
        return floor > 0 ? install / floor : 0;
    }
    std::map<std::pair<std::string, std::string>, double> seconds;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::filesystem::remove_all(ScratchFolder());
    std::printf("install/floor ratio over earlier files: %.3f\n",
                reporter.Ratio("earlier_files:1"));
    std::printf("install/floor ratio: %.3f\n", reporter.Ratio("earlier_files:0"));
    return 0;
}
