#include "tests/e2e/driver/Scenarios.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

#include "tests/e2e/driver/AboutBox.h"
#include "tests/e2e/driver/Closing.h"
#include "tests/e2e/driver/DriveFiles.h"
#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/HostileScenarios.h"
#include "tests/e2e/driver/Layouts.h"
#include "tests/e2e/driver/OutputFiles.h"
#include "tests/e2e/driver/References.h"
#include "tests/e2e/driver/Registry.h"
#include "tests/e2e/driver/SampleGame.h"
#include "tests/e2e/driver/ScenePixels.h"
#include "tests/e2e/driver/ScreenCapture.h"
#include "tests/e2e/driver/SetupWindow.h"
#include "tests/e2e/driver/Timeouts.h"

namespace {

constexpr const wchar_t* kDriveC = L"C:";

const SampleGame kCyrillicGame = {
    .folder = L"C:\\Игры\\Велк Кинг",
    .executable = L"C:\\Игры\\Велк Кинг\\Velk.exe",
    .pictures = L"C:\\Корданекс\\Картинки",
};

struct GameScenario {
    std::string_view name;
    char languageDigit;
    const LanguageTexts& texts;
    TextRule result;             // the text that replaces the introduction
    std::wstring heldFile{};     // an existing picture file another program holds open
    bool captureDuring = false;  // a screenshot of the run in progress
    // The About box opened from the system menu before or after the run.
    std::optional<AboutCloser> aboutBefore = std::nullopt;
    std::optional<AboutCloser> aboutAfter = std::nullopt;
    const CloseWay* finishedClose = nullptr;  // else the Exit button
    SampleGame game{};           // where the game and its pictures folder lie
    UINT codePage = 0;           // the system's ANSI code page the scenario needs, if any
    std::wstring shownFolder{};  // the folder line, where it is not the folder's own name
    bool folderNameable = true;  // false: the code page cannot name it, nothing is written
};

// Between them the finished layouts close in every way.
std::vector<GameScenario> GameScenarios() {
    return {
        {"english", '1', kEnglish, Exactly(kEnglish.success), L"", true, AboutCloser::OkButton},
        {"russian", '4', kRussian, Exactly(kRussian.success), L"", true, {}, {}, &kEscape},
        {"esperanto", '3', kEsperanto, Exactly(kEsperanto.success), L"", false, {}, {}, &kCloseBox},
        {"ukrainian", '5', kUkrainian, Exactly(kUkrainian.success), L"", false, {}, {}, &kAltF4},
        {"belarusian",
         '8',
         kBelarusian,
         Exactly(kBelarusian.success),
         L"",
         false,
         {},
         AboutCloser::Escape},
        {"held-file",
         '1',
         kEnglish,
         {TextRule::Kind::Contains, L"incomplete", L"pi0573velk"},
         L"pi0573velk"},
        // A Russian system: Cyrillic folders in the registry and on disk.
        {.name = "cp1251-cyrillic-folders",
         .languageDigit = '4',
         .texts = kRussian,
         .result = Exactly(kRussian.success),
         .game = kCyrillicGame,
         .codePage = 1251},
        // The same pictures folder on a Western system, whose "A" functions
        // turn its name into question marks: every file is reported unwritten.
        {.name = "cp1252-cyrillic-pictures",
         .languageDigit = '1',
         .texts = kEnglish,
         .result = {TextRule::Kind::Contains, L"incomplete", L" and 88 more."},
         .game = {.pictures = kCyrillicGame.pictures},
         .codePage = 1252,
         .shownFolder = L"C:\\?????????\\????????",
         .folderNameable = false},
    };
}

void Save(const ScreenShot& shot, const DriverPaths& paths, std::wstring_view name,
          Report& report) {
    const std::wstring path = paths.output + L"\\" + std::wstring(name) + L".bmp";
    report.Check(!shot.Empty() && WriteWholeFile(path, BitmapFileBytes(shot.window)),
                 "screenshot " + Utf8(name) + ".bmp", path);
}

// Waits for the screen to show the layout, checks its pixels and keeps it.
void CheckScreen(HWND dialog, const SceneExpectation& expected, const DriverPaths& paths,
                 std::wstring_view name, Report& report) {
    const SceneView view = AwaitScene(dialog, expected);
    ReportChecks(view.checks, Utf8(name), report);
    Save(view.shot, paths, name, report);
}

// What the screen shows lags behind the run, by however long the busy window
// thread takes to flush its drawing; so the screen is captured all along. The
// different pictures it shows are the window as it was and with its buttons
// disabled (either may be missed), then the thumbnails and the bar growing:
// the middle one of those after the first two is kept, or else the last.
// Every one of them must show the progress strip as the run draws it.
class ProgressFrames {
public:
    void Take(HWND dialog) {
        if (shown_.size() >= kMostFrames) return;
        ScreenShot frame = CaptureScreen(dialog);
        if (frame.Empty() || (!shown_.empty() && frame == shown_.back())) return;
        for (PixelCheck& check : CheckProgressBar(frame)) {
            if (bar_.what.empty() || (bar_.miss.empty() && !check.miss.empty())) bar_ = check;
        }
        shown_.push_back(std::move(frame));
    }
    ScreenShot Chosen() const {
        if (shown_.size() > 2) return shown_[2 + (shown_.size() - 3) / 2];
        return shown_.empty() ? ScreenShot{} : shown_.back();
    }
    // Empty when no frame was caught.
    PixelChecks BarChecks() const { return bar_.what.empty() ? PixelChecks{} : PixelChecks{bar_}; }
    std::string Summary() const {
        std::size_t withBar = 0;
        for (const ScreenShot& frame : shown_) withBar += frame.At(291, 280) == kRed ? 1 : 0;
        return std::to_string(shown_.size()) + " screen images of the run, " +
               std::to_string(withBar) + " with a bar";
    }

private:
    static constexpr std::size_t kMostFrames = 64;
    std::vector<ScreenShot> shown_;
    PixelCheck bar_;
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
// With `tryClosing`, it tries every way to close the window while it runs.
double Install(const SetupProcess& setup, HWND dialog, const DriverPaths* paths, bool tryClosing,
               Report& report) {
    ProgressFrames frames;
    const double start = NowMs();
    PostCommand(dialog, kOk);
    if (tryClosing) {
        for (const CloseWay& way : kCloseWays) way.press(dialog);
    }
    const bool finished = WaitFor(
        [&] {
            if (ShowsFinishedLayout(dialog) || setup.WaitEnded(0)) return true;
            if (paths != nullptr) frames.Take(dialog);
            return false;
        },
        kInstallTimeoutMs);
    const double elapsed = NowMs() - start;
    if (paths != nullptr) {
        Save(frames.Chosen(), *paths, L"during", report);
        ReportChecks(frames.BarChecks(), "during", report);
        report.Note(frames.Summary());
    }
    return finished && !setup.WaitEnded(0) ? elapsed : -1;
}

int RunGameScenario(const GameScenario& scenario, const DriverPaths& paths) {
    Report report;
    const SampleGame& game = scenario.game;
    if (scenario.codePage != 0) {
        report.Check(GetACP() == scenario.codePage,
                     "system ANSI code page " + std::to_string(scenario.codePage),
                     std::to_wstring(GetACP()));
    }
    report.Check(StageGame(game, scenario.languageDigit), "sample game staged");
    const auto references = LoadReferences(paths.bitmaps, report);
    const std::vector<unsigned char> heldBytes = {'h', 'e', 'l', 'd'};
    std::optional<HeldFile> held;
    if (!scenario.heldFile.empty()) {
        held.emplace(game.pictures + L"\\" + scenario.heldFile, heldBytes);
        report.Check(held->Held(), "picture file held open without sharing");
    }

    const DriveFiles filesBefore = FilesUnder(kDriveC);
    SetupProcess setup(paths.setupExe);
    report.Check(setup.Started(), "setup.exe started", paths.setupExe);
    const HWND dialog = setup.FindDialog(kWindowTimeoutMs);
    report.Check(dialog != nullptr, "setup window shown");
    if (dialog == nullptr || !references) {
        report.PrintSummary(scenario.name);
        return report.Failures();
    }
    report.Check(setup.Settle(dialog), "window idle after start");
    const std::wstring& folderLine =
        scenario.shownFolder.empty() ? game.pictures : scenario.shownFolder;
    CheckWindow(dialog, NormalLayout(scenario.texts, folderLine), report);
    CheckScreen(dialog, {true, &references->side, nullptr}, paths, L"before", report);
    CheckSystemMenuEntry(dialog, report);
    if (scenario.aboutBefore) {
        CheckAboutBox(dialog, AboutOpener::SystemMenu, *scenario.aboutBefore, references->icon,
                      report);
    }
    if (!IsWindowVisible(GetDlgItem(dialog, kOk))) {
        report.Note("no Install button: the installation is not tried");
        report.PrintSummary(scenario.name);
        return report.Failures();
    }

    const double elapsed =
        Install(setup, dialog, scenario.captureDuring ? &paths : nullptr, true, report);
    report.Check(elapsed >= 0,
                 "finished layout shown after Install; Esc, the close box and Alt+F4 during the "
                 "run closed nothing");
    report.Check(setup.Settle(dialog), "window idle after the installation");
    const bool complete = scenario.heldFile.empty() && scenario.folderNameable;
    CheckWindow(dialog, FinishedLayout(scenario.texts, scenario.result, complete), report);
    if (!complete) {
        RECT overlap{};
        const RECT result = ReadControl(dialog, kIntro).rect;
        const RECT exit = ReadControl(dialog, kCancel).rect;
        report.Check(!IntersectRect(&overlap, &result, &exit),
                     "the Exit button leaves the report clear");
    }
    CheckScreen(dialog, {true, nullptr, &references->thumbnails}, paths, L"after", report);
    if (scenario.aboutAfter) {
        CheckAboutBox(dialog, AboutOpener::SystemMenu, *scenario.aboutAfter, references->icon,
                      report);
    }

    held.reset();
    CheckOutputFiles(game.pictures,
                     scenario.folderNameable ? ExpectedOutputFiles(references->pictures)
                                             : std::vector<ExpectedFile>{},
                     scenario.heldFile, heldBytes, report);
    if (scenario.finishedClose != nullptr) {
        scenario.finishedClose->press(dialog);
        report.Check(setup.WaitEnded(kExitTimeoutMs),
                     std::string(scenario.finishedClose->name) + " ends the program");
    } else {
        report.Check(setup.PressUntilEnded(dialog, kCancel, kExitTimeoutMs),
                     "Exit ends the program");
    }
    CheckNothingWrittenElsewhere(kDriveC, filesBefore, game.pictures, report);
    report.PrintSummary(scenario.name);
    return report.Failures();
}

int RunNoGameScenario(const DriverPaths& paths) {
    Report report;
    const auto references = LoadReferences(paths.bitmaps, report);
    SetupProcess setup(paths.setupExe);
    report.Check(setup.Started(), "setup.exe started", paths.setupExe);
    const HWND dialog = setup.FindDialog(kWindowTimeoutMs);
    report.Check(dialog != nullptr, "setup window shown");
    if (dialog != nullptr && references) {
        report.Check(setup.Settle(dialog), "window idle after start");
        CheckWindow(dialog, NoGameLayout(), report);
        CheckScreen(dialog, {false, &references->side, nullptr}, paths, L"no-game", report);
        CheckSystemMenuEntry(dialog, report);
        CheckAboutBox(dialog, AboutOpener::Button, AboutCloser::Escape, references->icon, report);
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
    if (name == "closing") return RunClosingScenario(paths);
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
        // The screenshots wait for the layout's image to reach the screen.
        setup.Settle(dialog);
        Save(AwaitScene(dialog, {}).shot, paths, L"before", report);
        const double elapsed = Install(setup, dialog, &paths, false, report);
        report.Check(elapsed >= 0, "Install pressed, installation finished");
        setup.Settle(dialog);
        Save(AwaitScene(dialog, {}).shot, paths, L"after", report);
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
    const auto pictures = ReadInstalledPictures(paths.bitmaps, report);
    if (!pictures) return report.Failures();
    const auto files = ExpectedOutputFiles(*pictures);

    std::vector<double> installs;
    for (int round = 0; round < rounds; ++round) {
        EmptyFolder(game.pictures);
        SetupProcess setup(paths.setupExe);
        const HWND dialog = setup.FindDialog(kWindowTimeoutMs);
        if (dialog == nullptr || !setup.Settle(dialog)) {
            report.Check(false, "setup window shown");
            return report.Failures();
        }
        const double elapsed = Install(setup, dialog, nullptr, false, report);
        if (elapsed >= 0) installs.push_back(elapsed);
        setup.Settle(dialog);
        setup.PressUntilEnded(dialog, kCancel, kExitTimeoutMs);
    }
    std::vector<double> writes;
    for (int round = 0; round < rounds; ++round) {
        EmptyFolder(game.pictures);
        writes.push_back(PlainWrites(game.pictures, files));
    }
    report.Check(installs.size() == static_cast<std::size_t>(rounds),
                 "every installation finished");
    if (!installs.empty()) PrintTimes("install, Install to finished layout", installs);
    PrintTimes("plain writes of the same 96 files", writes);
    return report.Failures();
}
