// Where the time of a run goes: every stage of every file timed on its own,
// for the installation core and for the plain writes of the same files, over
// the files of an earlier run and into an empty folder. The two alternate
// round by round; every figure is the median over the rounds of the stage's
// sum over the 84 pictures or the 12 catalogs. A reading of the clock costs
// about 0.05 µs, which the stages include.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchInstallation.h"
#include "bench/Spread.h"
#include "install/PictureSurface.h"
#include "install/PlaneConversion.h"
#include "platform/posix/PosixFileSystem.h"
#include "res/EmbeddedResources.h"

namespace {

constexpr int kRounds = 41;
constexpr std::size_t kPictures = 84;

// kBefore runs from the end of the previous file, or the start of the run, to
// the opening of this one: for a picture its conversion, name and storage.
enum Stage { kBefore, kOpen, kWrite, kClose, kStageCount };
constexpr const char* kStageNames[] = {"before the opening", "open", "write", "close"};

using FileTimes = std::array<double, kStageCount>;  // microseconds
using RunTimes = std::vector<FileTimes>;            // the 96 files in their order

class Laps {
public:
    double Next() {
        const auto now = std::chrono::steady_clock::now();
        const double microseconds = std::chrono::duration<double, std::micro>(now - last_).count();
        last_ = now;
        return microseconds;
    }

private:
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

class TimedFile : public File {
public:
    TimedFile(std::unique_ptr<File> file, FileTimes& times, Laps& laps)
        : file_(std::move(file)), times_(times), laps_(laps) {}
    IoStatus Write(std::span<const std::byte> data) override {
        IoStatus status = file_->Write(data);
        times_[kWrite] = laps_.Next();
        return status;
    }
    IoStatus Read(std::span<std::byte> data, std::size_t& count) override {
        return file_->Read(data, count);
    }
    IoStatus Close() override {
        IoStatus status = file_->Close();
        times_[kClose] = laps_.Next();
        return status;
    }

private:
    std::unique_ptr<File> file_;
    FileTimes& times_;
    Laps& laps_;
};

// Real files whose every operation is timed as the installation makes it.
class TimedFiles : public FileSystem {
public:
    explicit TimedFiles(RunTimes& times) : times_(times) { times_.reserve(96); }
    std::unique_ptr<File> Open(std::string_view path, OpenMode mode) override {
        FileTimes& times = times_.emplace_back();
        times[kBefore] = laps_.Next();
        std::unique_ptr<File> file = files_.Open(path, mode);
        times[kOpen] = laps_.Next();
        return file ? std::make_unique<TimedFile>(std::move(file), times, laps_) : nullptr;
    }

private:
    RunTimes& times_;
    PosixFileSystem files_;
    Laps laps_;
};

RunTimes InstallRun() {
    RunTimes times;
    TimedFiles files(times);
    RunInstallation(files);
    return times;
}

RunTimes FloorRun(const std::vector<FinishedFile>& files) {
    RunTimes times;
    times.reserve(files.size());
    Laps laps;
    for (const auto& [path, bytes] : files) {
        FileTimes& stage = times.emplace_back();
        stage[kBefore] = laps.Next();
        const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT, 0644);
        stage[kOpen] = laps.Next();
        if (::write(descriptor, bytes.data(), bytes.size()) != ssize_t(bytes.size())) return {};
        stage[kWrite] = laps.Next();
        ::close(descriptor);
        stage[kClose] = laps.Next();
    }
    return times;
}

bool IsCatalog(const std::string& path) { return path.ends_with(".txt"); }

// The medians over the rounds, in microseconds, by stage and kind of file,
// and of the whole run.
struct Breakdown {
    double picture[kStageCount];
    double catalog[kStageCount];
    double whole;
};

// The median over the rounds of the time that the chosen stages of the
// chosen files took together.
template <typename Chosen>
double MedianSum(const std::vector<RunTimes>& rounds, Chosen chosen) {
    std::vector<double> sums;
    for (const RunTimes& run : rounds) {
        double sum = 0;
        for (std::size_t file = 0; file < run.size(); ++file) {
            for (int stage = 0; stage < kStageCount; ++stage) {
                if (chosen(file, stage)) sum += run[file][std::size_t(stage)];
            }
        }
        sums.push_back(sum);
    }
    return SpreadOf(sums).median;
}

Breakdown MediansOf(const std::vector<RunTimes>& rounds, const std::vector<FinishedFile>& files) {
    Breakdown medians{};
    for (int s = 0; s < kStageCount; ++s) {
        medians.picture[s] = MedianSum(rounds, [&](std::size_t file, int stage) {
            return stage == s && !IsCatalog(files[file].path);
        });
        medians.catalog[s] = MedianSum(rounds, [&](std::size_t file, int stage) {
            return stage == s && IsCatalog(files[file].path);
        });
    }
    medians.whole = MedianSum(rounds, [](std::size_t, int) { return true; });
    return medians;
}

// The conversion alone, every picture in turn into storage of its own.
double ConversionMedian() {
    std::vector<double> sums;
    auto planes = std::make_unique<std::byte[]>(3 * PictureSurface::kPlaneSize);
    PictureSurface surface;
    surface.Create();
    for (int round = 0; round < kRounds; ++round) {
        double sum = 0;
        Laps laps;
        for (std::uint16_t id = 749; id <= 833; ++id) {
            if (!surface.MakeCurrent(EmbeddedResources().Bitmap(id))) continue;
            laps.Next();
            surface.CopyPlanes({planes.get(), 3 * PictureSurface::kPlaneSize});
            sum += laps.Next();
        }
        sums.push_back(sum);
    }
    return SpreadOf(sums).median;
}

void Print(const char* title, const Breakdown& install, const Breakdown& floor) {
    std::printf("\n%s: a whole run %.3f ms installing, %.3f ms plain writes (ratio %.3f)\n", title,
                install.whole / 1000, floor.whole / 1000, install.whole / floor.whole);
    std::printf("%-28s %12s %12s %12s %12s\n", "microseconds", "install", "per file", "floor",
                "per file");
    const struct {
        const char* kind;
        const double* install;
        const double* floor;
        double count;
    } kinds[] = {{"84 pictures", install.picture, floor.picture, double(kPictures)},
                 {"12 catalogs", install.catalog, floor.catalog, 12}};
    for (const auto& kind : kinds) {
        for (int stage = 0; stage < kStageCount; ++stage) {
            std::printf("%-11s %-16s %12.1f %12.2f %12.1f %12.2f\n", kind.kind, kStageNames[stage],
                        kind.install[stage], kind.install[stage] / kind.count, kind.floor[stage],
                        kind.floor[stage] / kind.count);
        }
    }
}

}  // namespace

int main() {
    const std::vector<FinishedFile> files = FinishedFiles();
    for (const bool earlier : {true, false}) {
        std::vector<RunTimes> install, floor;
        for (int round = 0; round < kRounds; ++round) {
            if (!earlier) EmptyScratchFolder();
            install.push_back(InstallRun());
            if (!earlier) EmptyScratchFolder();
            floor.push_back(FloorRun(files));
        }
        Print(earlier ? "over earlier files" : "into an empty folder", MediansOf(install, files),
              MediansOf(floor, files));
    }
    const double conversion = ConversionMedian();
    std::printf("\nthe conversion alone (%s path): %.1f us for 84 pictures, %.2f us each\n",
                FastestPath() == ConversionPath::Vbmi ? "VBMI" : "portable", conversion,
                conversion / double(kPictures));
    return 0;
}
