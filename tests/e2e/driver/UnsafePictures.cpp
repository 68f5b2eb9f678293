#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/HostileScenarios.h"
#include "tests/e2e/driver/Layouts.h"
#include "tests/e2e/driver/Registry.h"
#include "tests/e2e/driver/SampleGame.h"
#include "tests/e2e/driver/SetupWindow.h"
#include "tests/e2e/driver/Timeouts.h"

namespace {

constexpr std::wstring_view kCommonKey = L"Software\\Kordanex\\CommonFiles";
constexpr std::wstring_view kWorkingFolder = L"C:\\Hostile\\Work";

struct UnsafeValue {
    std::string_view what;
    std::optional<std::wstring_view> text;  // a REG_SZ; a REG_DWORD 0 where absent
};

const UnsafeValue kUnsafeValues[] = {
    {"empty", L""},
    {"REG_DWORD 0", std::nullopt},
    {"relative", L"Pics"},
    {"the working folder", L"."},
    {"drive-relative", L"C:Pics"},
    {"a drive alone", L"C:"},
    {"from the current drive's root", L"\\Pics"},
};

// Where the files of those values would land: the root of the working
// folder's drive, the working folder, and a Pics folder in each.
std::vector<std::wstring> PlacesToWatch() {
    const std::wstring work(kWorkingFolder);
    return {L"C:", L"C:\\Pics", work, work + L"\\Pics"};  // ListFiles adds the backslash
}

bool IsInstalledFileName(std::wstring_view name) {
    return (name.starts_with(L"pi") && name.ends_with(L"velk")) ||
           (name.starts_with(L"c") && name.ends_with(L"09.txt"));
}

// The installation's files found in those places, deleted once counted, so
// that each value answers for its own: "96 files in C:\Pics\; ".
std::wstring TakeStrayFiles() {
    std::wstring found;
    for (const std::wstring& folder : PlacesToWatch()) {
        int count = 0;
        for (const FolderEntry& entry : ListFiles(folder)) {
            if (!IsInstalledFileName(entry.name)) continue;
            DeleteFileW((folder + L"\\" + entry.name).c_str());
            ++count;
        }
        if (count > 0) found += std::to_wstring(count) + L" files in " + folder + L"\\; ";
    }
    return found;
}

void CheckUnsafeValue(const UnsafeValue& value, const DriverPaths& paths, Report& report) {
    const std::string label = "Pictures " + std::string(value.what) + ": ";
    report.Check(value.text ? SetUserStrings(kCommonKey, {{L"Pictures", *value.text}})
                            : SetUserDword(kCommonKey, L"Pictures", 0),
                 label + "value set");
    SetupProcess setup(paths.setupExe);
    const HWND dialog = setup.FindDialog(kWindowTimeoutMs);
    report.Check(dialog != nullptr, label + "setup window shown");
    if (dialog == nullptr) return;
    report.Check(setup.Settle(dialog), label + "window idle after start");
    const std::string layout = label + "no-game layout";
    ExpectedWindow expected = NoGameLayout();
    expected.name = layout;
    CheckWindow(dialog, expected, report);
    if (IsWindowVisible(GetDlgItem(dialog, kOk))) {
        // It offers to install: let it, to show where the files would go.
        PostCommand(dialog, kOk);
        WaitFor([&] { return ShowsFinishedLayout(dialog) || setup.WaitEnded(0); },
                kInstallTimeoutMs);
    }
    report.Check(setup.PressUntilEnded(dialog, kCancel, kExitTimeoutMs),
                 label + "its button ends the program");
    const std::wstring stray = TakeStrayFiles();
    report.Check(stray.empty(), label + "no file in the drive's root or the working folder", stray);
}

}  // namespace

int RunUnsafePicturesScenario(const DriverPaths& paths) {
    Report report;
    report.Check(StageGame(SampleGame{}, '1'), "sample game staged");
    // The Pics folders give the relative values somewhere to write; the
    // working folder comes with its own.
    const std::wstring work(kWorkingFolder);
    for (const std::wstring& folder : {std::wstring(L"C:\\Pics"), work + L"\\Pics"}) {
        report.Check(CreateFolders(folder), "folder " + Utf8(folder) + " made");
    }
    // setup.exe inherits it: a relative value would lean on it.
    report.Check(SetCurrentDirectoryW(work.c_str()), "working folder " + Utf8(kWorkingFolder));
    for (const UnsafeValue& value : kUnsafeValues) CheckUnsafeValue(value, paths, report);
    report.PrintSummary("unsafe-pictures");
    return report.Failures();
}
