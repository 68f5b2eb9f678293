#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/HostileScenarios.h"
#include "tests/e2e/driver/Layouts.h"
#include "tests/e2e/driver/OutputFiles.h"
#include "tests/e2e/driver/SampleGame.h"
#include "tests/e2e/driver/SetupWindow.h"
#include "tests/e2e/driver/Timeouts.h"

namespace {

constexpr std::wstring_view kSmallDiskPictures = L"D:\\Pictures";

// What the full disk holds, in the order the files were written: every file
// before the one the run stopped in whole, that one only a beginning of its
// bytes, nothing after it. Answers how many came whole, if the disk filled.
std::optional<std::size_t> CheckFullDisk(const std::wstring& folder,
                                         const std::vector<ExpectedFile>& expected,
                                         Report& report) {
    std::size_t whole = 0;
    std::optional<std::vector<unsigned char>> bytes;
    for (; whole < expected.size(); ++whole) {
        bytes = ReadWholeFile(folder + L"\\" + expected[whole].name);
        if (!bytes || *bytes != expected[whole].bytes) break;
    }
    report.Check(whole < expected.size(), "the disk filled before the last file");
    if (whole == expected.size()) return std::nullopt;

    const ExpectedFile& stopped = expected[whole];
    report.Check(bytes && bytes->size() < stopped.bytes.size() &&
                     std::equal(bytes->begin(), bytes->end(), stopped.bytes.begin()),
                 Utf8(stopped.name) + " partly written, the beginning of its bytes",
                 bytes ? std::to_wstring(bytes->size()) + L" bytes" : L"missing");
    const std::vector<FolderEntry> entries = ListFiles(folder);
    std::wstring present;
    for (const FolderEntry& entry : entries) present += entry.name + L" ";
    report.Check(entries.size() == whole + 1,
                 "the disk holds the " + std::to_string(whole) +
                     " files written before it, whole, and no later one",
                 present);
    return whole;
}

}  // namespace

int RunSmallDiskScenario(const DriverPaths& paths) {
    Report report;
    SampleGame game;
    game.pictures = kSmallDiskPictures;
    report.Check(StageGame(game, '1'), "sample game staged, its pictures folder on the small disk");
    const auto pictures = ReadInstalledPictures(paths.bitmaps, report);
    SetupProcess setup(paths.setupExe);
    report.Check(setup.Started(), "setup.exe started", paths.setupExe);
    const HWND dialog = setup.FindDialog(kWindowTimeoutMs);
    report.Check(dialog != nullptr, "setup window shown");
    if (dialog == nullptr || !pictures) {
        report.PrintSummary("small-disk");
        return report.Failures();
    }
    const std::vector<ExpectedFile> expected = ExpectedOutputFiles(*pictures);
    report.Check(setup.Settle(dialog), "window idle after start");
    CheckWindow(dialog, NormalLayout(kEnglish, game.pictures), report);

    PostCommand(dialog, kOk);
    report.Check(WaitFor([&] { return ShowsFinishedLayout(dialog) || setup.WaitEnded(0); },
                         kInstallTimeoutMs) &&
                     !setup.WaitEnded(0),
                 "finished layout shown after Install");
    report.Check(setup.Settle(dialog), "window idle after the installation");
    if (const auto whole = CheckFullDisk(game.pictures, expected, report)) {
        const TextRule result{TextRule::Kind::Contains,
                              L"The installation stopped: the file " + expected[*whole].name +
                                  L" was left partly written.\r\n",
                              *whole > 0
                                  ? L"\r\nThe files written before it stay in the pictures folder."
                                  : L"\r\nNo other file was written."};
        CheckWindow(dialog, FinishedLayout(kEnglish, result, false), report);
    }
    report.Check(setup.PressUntilEnded(dialog, kCancel, kExitTimeoutMs), "Exit ends the program");
    report.PrintSummary("small-disk");
    return report.Failures();
}
