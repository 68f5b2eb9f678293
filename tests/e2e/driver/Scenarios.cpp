#include "tests/e2e/driver/Scenarios.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/HostileScenarios.h"
#include "tests/e2e/driver/Layouts.h"
#include "tests/e2e/driver/OutputFiles.h"
#include "tests/e2e/driver/Registry.h"
#include "tests/e2e/driver/SampleGame.h"
#include "tests/e2e/driver/ScreenCapture.h"
#include "tests/e2e/driver/SetupWindow.h"
#include "tests/e2e/driver/Timeouts.h"

namespace {

struct GameScenario {
    std::string_view name;
    char languageDigit;
    const LanguageTexts& texts;
    TextRule result;             // the text that replaces the introduction
    std::wstring heldFile;       // an existing picture file another program holds open
    bool captureDuring = false;  // a screenshot of the run in progress
};

std::vector<GameScenario> GameScenarios() {
    return {
        {"english", '1', kEnglish, Exactly(kEnglish.success), L"", true},
        {"russian", '4', kRussian, Exactly(kRussian.success), L"", true},
        {"held-file",
         '1',
         kEnglish,
         {TextRule::Kind::Contains, L"incomplete", L"pi0573velk"},
         L"pi0573velk"},
    };
}

void Save(const std::vector<unsigned char>& bmp, const DriverPaths& paths, std::wstring_view name,
          Report& report) {
    const std::wstring path = paths.output + L"\\" + std::wstring(name) + L".bmp";
    report.Check(!bmp.empty() && WriteWholeFile(path, bmp), "screenshot " + Utf8(name) + ".bmp",
                 path);
}

void Capture(HWND dialog, const DriverPaths& paths, std::wstring_view name, Report& report) {
    Save(CaptureWindow(dialog), paths, name, report);
}

// What the screen shows lags behind the run, by however long the busy window
// thread takes to flush its drawing; so the screen is captured all along. The
// different pictures it shows are the window as it was and with its buttons
// disabled (either may be missed), then the thumbnails and the bar growing:
// the middle one of those after the first two is kept, or else the last.
class ProgressFrames {
public:
    void Take(HWND dialog) {
        if (shown_.size() >= kMostFrames) return;
        std::vector<unsigned char> frame = CaptureWindow(dialog);
        if (shown_.empty() || frame != shown_.back()) shown_.push_back(std::move(frame));
    }
    std::vector<unsigned char> Chosen() const {
        if (shown_.size() > 2) return shown_[2 + (shown_.size() - 3) / 2];
        return shown_.empty() ? std::vector<unsigned char>{} : shown_.back();
    }

private:
    static constexpr std::size_t kMostFrames = 64;
    std::vector<std::vector<unsigned char>> shown_;
};

std::string Milliseconds(double ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f ms", ms);
    return text;
}

// A file another program has opened without sharing, for as long as it lives.
class HeldFile {
public:
    HeldFile(const std::wstring& path, const std::vector<unsigned char>& bytes) {
        if (!WriteWholeFile(path, bytes)) return;
        handle_ = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    ~HeldFile() { Release(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (Held()) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// Presses Install and waits for the finished layout; answers the time it took,
// or a negative value if it did not come. With `paths`, it also leaves a
// screenshot of the run in progress, during.bmp; the time is then no measure.
double Install(const SetupProcess& setup, HWND dialog, const DriverPaths* paths, Report& report) {
    ProgressFrames frames;
    const double start = NowMs();
    PostCommand(dialog, kOk);
    const bool finished = WaitFor(
        [&] {
            if (ShowsFinishedLayout(dialog) || setup.WaitEnded(0)) return true;
            if (paths != nullptr) frames.Take(dialog);
            return false;
        },
        kInstallTimeoutMs);
    const double elapsed = NowMs() - start;
    if (paths != nullptr) Save(frames.Chosen(), *paths, L"during", report);
    return finished && !setup.WaitEnded(0) ? elapsed : -1;
}

int RunGameScenario(const GameScenario& scenario, const DriverPaths& paths) {
    Report report;
    const SampleGame game;
    report.Check(StageGame(game, scenario.languageDigit), "sample game staged");
    const auto expected = ExpectedOutputFiles(paths.bitmaps, report);
    const std::vector<unsigned char> heldBytes = {'h', 'e', 'l', 'd'};
    std::optional<HeldFile> held;
    if (!scenario.heldFile.empty()) {
        held.emplace(game.pictures + L"\\" + scenario.heldFile, heldBytes);
        report.Check(held->Held(), "picture file held open without sharing");
    }

    SetupProcess setup(paths.setupExe);
    report.Check(setup.Started(), "setup.exe started", paths.setupExe);
    const HWND dialog = setup.FindDialog(kWindowTimeoutMs);
    report.Check(dialog != nullptr, "setup window shown");
    if (dialog == nullptr || !expected) {
        report.PrintSummary(scenario.name);
        return report.Failures();
    }
    report.Check(setup.Settle(dialog), "window idle after start");
    CheckWindow(dialog, NormalLayout(scenario.texts, game.pictures), report);
    Capture(dialog, paths, L"before", report);
    if (!IsWindowVisible(GetDlgItem(dialog, kOk))) {
        report.Note("no Install button: the installation is not tried");
        report.PrintSummary(scenario.name);
        return report.Failures();
    }

    const double elapsed =
        Install(setup, dialog, scenario.captureDuring ? &paths : nullptr, report);
    report.Check(elapsed >= 0, "finished layout shown after Install");
    report.Check(setup.Settle(dialog), "window idle after the installation");
    const bool complete = scenario.heldFile.empty();
    CheckWindow(dialog, FinishedLayout(scenario.texts, scenario.result, complete), report);
    if (!complete) {
        RECT overlap{};
        const RECT result = ReadControl(dialog, kIntro).rect;
        const RECT exit = ReadControl(dialog, kCancel).rect;
        report.Check(!IntersectRect(&overlap, &result, &exit),
                     "the Exit button leaves the report clear");
    }
    Capture(dialog, paths, L"after", report);

    held.reset();
    CheckOutputFiles(game.pictures, *expected, scenario.heldFile, heldBytes, report);
    report.Check(setup.PressUntilEnded(dialog, kCancel, kExitTimeoutMs), "Exit ends the program");
    report.PrintSummary(scenario.name);
    return report.Failures();
}

int RunNoGameScenario(const DriverPaths& paths) {
    Report report;
    SetupProcess setup(paths.setupExe);
    report.Check(setup.Started(), "setup.exe started", paths.setupExe);
    const HWND dialog = setup.FindDialog(kWindowTimeoutMs);
    report.Check(dialog != nullptr, "setup window shown");
    if (dialog != nullptr) {
        report.Check(setup.Settle(dialog), "window idle after start");
        CheckWindow(dialog, NoGameLayout(), report);
        Capture(dialog, paths, L"no-game", report);
        report.Check(setup.PressUntilEnded(dialog, kCancel, kExitTimeoutMs),
                     "its OK button ends the program");
    }
    report.PrintSummary("no-game");
    return report.Failures();
}

void EmptyFolder(const std::wstring& folder) {
    for (const FolderEntry& file : ListFiles(folder))
        DeleteFileW((folder + L"\\" + file.name).c_str());
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void PrintTimes(std::string_view what, const std::vector<double>& times) {
    std::printf("%.*s: median %s, fastest %s, %zu runs\n", static_cast<int>(what.size()),
                what.data(), Milliseconds(Median(times)).c_str(),
                Milliseconds(*std::min_element(times.begin(), times.end())).c_str(), times.size());
}

double PlainWrites(const std::wstring& folder, const std::vector<ExpectedFile>& files) {
    const double start = NowMs();
    for (const ExpectedFile& file : files) WriteWholeFile(folder + L"\\" + file.name, file.bytes);
    return NowMs() - start;
}

}  // namespace

int RunScenario(std::string_view name, const DriverPaths& paths) {
    CreateFolders(paths.output);
    if (name == "no-game") return RunNoGameScenario(paths);
    if (name == "unsafe-pictures") return RunUnsafePicturesScenario(paths);
    if (name == "small-disk") return RunSmallDiskScenario(paths);
    for (const GameScenario& scenario : GameScenarios()) {
        if (scenario.name == name) return RunGameScenario(scenario, paths);
    }
    return -1;
}

int RunDemo(std::string_view language, const DriverPaths& paths, bool interactive) {
    const auto digit = LanguageDigit(language);
    if (!digit) return -1;
    CreateFolders(paths.output);
    Report report;
    const SampleGame game;
    report.Check(StageGame(game, *digit), "sample game staged: " + Utf8(game.folder) +
                                              ", pictures folder " + Utf8(game.pictures));
    SetupProcess setup(paths.setupExe);
    report.Check(setup.Started(), "setup.exe started", paths.setupExe);
    if (interactive) {
        // A desktop has a window manager to frame the window; the virtual
        // displays of the tests have none.
        SetUserStrings(L"Software\\Wine\\X11 Driver", {{L"Managed", L"Y"}});
        report.Note("setup.exe is open; the demo goes on when its window is closed");
        setup.WaitEnded(INFINITE);
    } else if (const HWND dialog = setup.FindDialog(kWindowTimeoutMs); dialog != nullptr) {
        setup.Settle(dialog);
        Capture(dialog, paths, L"before", report);
        const double elapsed = Install(setup, dialog, &paths, report);
        report.Check(elapsed >= 0, "Install pressed, installation finished");
        setup.Settle(dialog);
        Capture(dialog, paths, L"after", report);
        report.Check(setup.PressUntilEnded(dialog, kCancel, kExitTimeoutMs), "Exit pressed");
    } else {
        report.Check(false, "setup window shown");
    }
    std::vector<unsigned char> list;
    for (const FolderEntry& file : ListFiles(game.pictures)) {
        const std::string line = Utf8(file.name) + " " + std::to_string(file.size) + "\n";
        list.insert(list.end(), line.begin(), line.end());
    }
    report.Check(WriteWholeFile(paths.output + L"\\files.txt", list),
                 "list of the files written: files.txt");
    return report.Failures();
}

int RunMeasurement(const DriverPaths& paths, int rounds) {
    Report report;
    const SampleGame game;
    report.Check(StageGame(game, '1'), "sample game staged");
    const auto files = ExpectedOutputFiles(paths.bitmaps, report);
    if (!files) return report.Failures();

    std::vector<double> installs;
    for (int round = 0; round < rounds; ++round) {
        EmptyFolder(game.pictures);
        SetupProcess setup(paths.setupExe);
        const HWND dialog = setup.FindDialog(kWindowTimeoutMs);
        if (dialog == nullptr || !setup.Settle(dialog)) {
            report.Check(false, "setup window shown");
            return report.Failures();
        }
        const double elapsed = Install(setup, dialog, nullptr, report);
        if (elapsed >= 0) installs.push_back(elapsed);
        setup.Settle(dialog);
        setup.PressUntilEnded(dialog, kCancel, kExitTimeoutMs);
    }
    std::vector<double> writes;
    for (int round = 0; round < rounds; ++round) {
        EmptyFolder(game.pictures);
        writes.push_back(PlainWrites(game.pictures, *files));
    }
    report.Check(installs.size() == static_cast<std::size_t>(rounds),
                 "every installation finished");
    if (!installs.empty()) PrintTimes("install, Install to finished layout", installs);
    PrintTimes("plain writes of the same 96 files", writes);
    return report.Failures();
}
