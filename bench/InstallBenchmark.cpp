// The installation core against its floor: the same 96 finished files written
// with plain POSIX writes. The last line printed is the ratio of the two.
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

const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        auto path =
            std::filesystem::temp_directory_path() / ("install_bench." + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
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

void BM_Install(benchmark::State& run) {
    std::size_t peakAbove = 0;
    for (auto _ : run) {
        const std::size_t before = heap::Current();
        heap::ResetPeak();
        if (!RunInstallation().Complete()) run.SkipWithError("installation incomplete");
        peakAbove = std::max(peakAbove, heap::Peak() - before);
    }
    run.counters["peak_heap_bytes"] = double(peakAbove);
}

// The 96 files exactly as the installation leaves them; the floor writes them
// over themselves, as the installation does, without truncating.
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

void BM_Floor(benchmark::State& run) {
    const auto files = FinishedFiles();
    for (auto _ : run) {
        for (const auto& [path, bytes] : files) {
            const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT, 0644);
            if (descriptor < 0 ||
                ::write(descriptor, bytes.data(), bytes.size()) != ssize_t(bytes.size())) {
                run.SkipWithError("plain write failed");
            }
            ::close(descriptor);
        }
    }
}

BENCHMARK(BM_Install)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Floor)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Keeps the mean time of every run while the console shows them as usual.
class RecordingReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) seconds[r.run_name.function_name] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::filesystem::remove_all(ScratchFolder());
    const double install = reporter.seconds["BM_Install"];
    const double floor = reporter.seconds["BM_Floor"];
    if (install > 0 && floor > 0) std::printf("install/floor ratio: %.3f\n", install / floor);
    return 0;
}
