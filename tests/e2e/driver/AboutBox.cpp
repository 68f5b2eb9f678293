#include "tests/e2e/driver/AboutBox.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/driver/Closing.h"
#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/Layouts.h"
#include "tests/e2e/driver/PixelCheck.h"
#include "tests/e2e/driver/ScenePixels.h"
#include "tests/e2e/driver/ScreenCapture.h"
#include "tests/e2e/driver/SetupWindow.h"
#include "tests/e2e/menu_probe/MenuProbe.h"

namespace {

constexpr UINT kAboutCommand = 0x10;
constexpr DWORD kBoxTimeoutMs = 10000;
constexpr DWORD kScreenTimeoutMs = 5000;
constexpr SIZE kBoxClient{380, 107};

struct BoxControl {
    std::wstring_view className;
    std::optional<std::wstring_view> text;  // unchecked for the icon
    RECT rect;
};

// In creation order. The icon keeps its own 32 x 32 size at the template's
// top-left corner.
constexpr BoxControl kBoxControls[] = {
    {L"Static", std::nullopt, {17, 28, 49, 60}},
    {L"Static", L"The additional pictures Velk Setup v10.0", {60, 16, 258, 29}},
    {L"Static", L"Copyright (C) 2026 Plexaru", {60, 42, 266, 55}},
    {L"Button", L"OK", {290, 16, 365, 39}},
    {L"Static", L"Pictures for the Kordanex games", {60, 68, 249, 81}},
};

struct BoxSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<BoxSearch*>(context);
    wchar_t className[16]{};
    GetClassNameW(window, className, 16);
    if (GetWindow(window, GW_OWNER) == search.owner && IsWindowVisible(window) &&
        std::wstring_view(className) == L"#32770") {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindBox(HWND owner) {
    BoxSearch search{owner, nullptr};
    WaitFor(
        [&] {
            EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        kBoxTimeoutMs);
    return search.found;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[32]{};
    GetClassNameW(window, name, 32);
    return name;
}

std::wstring Shown(const RECT& rect) {
    return std::to_wstring(rect.left) + L"," + std::to_wstring(rect.top) + L"," +
           std::to_wstring(rect.right) + L"," + std::to_wstring(rect.bottom);
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void CheckBoxControls(HWND box, Report& report) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    report.Check(children.size() == std::size(kBoxControls), "About box: five controls",
                 std::to_wstring(children.size()));
    for (std::size_t i = 0; i < children.size() && i < std::size(kBoxControls); ++i) {
        const BoxControl& expected = kBoxControls[i];
        const HWND child = children[i];
        const std::string what = "About box: control " + std::to_string(i + 1);
        report.Check(ClassOf(child) == expected.className,
                     what + " is a " + Utf8(expected.className), ClassOf(child));
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&rect), 2);
        report.Check(SameRect(rect, expected.rect),
                     what + " at (" + Utf8(Shown(expected.rect)) + ")", Shown(rect));
        if (expected.text) {
            const std::wstring text = WindowText(child);
            report.Check(text == *expected.text, what + " reads \"" + Utf8(*expected.text) + "\"",
                         text);
        } else {
            const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
            report.Check((style & SS_TYPEMASK) == SS_ICON, what + " is an icon");
        }
    }
}

// The icon's pixels and every text drawn; the screen is waited for.
void CheckBoxPixels(HWND box, const Image& icon, Report& report) {
    const std::vector<ShownControl> controls = ShownControls(box);
    const auto check = [&](const ScreenShot& shot) {
        PixelChecks checks;
        if (!controls.empty()) {
            const RECT& place = controls.front().rect;
            checks.push_back({"the icon's pixels, as res/setup.ico on white",
                              FirstDifference(shot, place.left, place.top, icon)});
        }
        for (const ShownControl& control : controls) {
            if (control.button || control.hasText) checks.push_back(ControlDrawn(shot, control));
        }
        return checks;
    };
    const ScreenShot shot = AwaitScreen(
        box, [&](const ScreenShot& s) { return AllPassed(check(s)); }, kScreenTimeoutMs);
    ReportChecks(check(shot), "About box", report);
}

struct MenuEntry {
    UINT command;
    bool separator;
    std::wstring text;
};

std::wstring FolderOfDriver() {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\'));
}

// Menus are not readable from another process under Wine: a message hook
// loads the probe into setup.exe, which writes the menu into a file.
std::vector<MenuEntry> ReadSystemMenu(HWND dialog) {
    DWORD processId = 0;
    const DWORD thread = GetWindowThreadProcessId(dialog, &processId);
    const std::wstring report = SystemMenuReportPath(processId);
    DeleteFileW(report.c_str());
    const HMODULE probe = LoadLibraryW((FolderOfDriver() + L"\\menu_probe.dll").c_str());
    const auto procedure = probe ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(
                                       GetProcAddress(probe, "ReadSystemMenu")))
                                 : nullptr;
    const HHOOK hook =
        procedure ? SetWindowsHookExW(WH_GETMESSAGE, procedure, probe, thread) : nullptr;
    std::optional<std::vector<unsigned char>> bytes;
    if (hook != nullptr) {
        PostMessageW(dialog, WM_NULL, kSystemMenuProbe, 0);
        WaitFor([&] { return (bytes = ReadWholeFile(report)).has_value(); }, kBoxTimeoutMs);
        UnhookWindowsHookEx(hook);
    }
    if (probe != nullptr) FreeLibrary(probe);
    DeleteFileW(report.c_str());
    if (!bytes) return {};
    const std::wstring lines(reinterpret_cast<const wchar_t*>(bytes->data()),
                             bytes->size() / sizeof(wchar_t));
    std::vector<MenuEntry> entries;
    std::size_t start = 0;
    for (std::size_t end; (end = lines.find(L'\n', start)) != std::wstring::npos; start = end + 1) {
        const std::wstring line = lines.substr(start, end - start);
        const std::size_t tab1 = line.find(L'\t');
        const std::size_t tab2 = line.find(L'\t', tab1 + 1);
        if (tab1 == std::wstring::npos || tab2 == std::wstring::npos) continue;
        entries.push_back({static_cast<UINT>(std::stoul(line.substr(0, tab1))),
                           line.substr(tab1 + 1, tab2 - tab1 - 1) == L"1", line.substr(tab2 + 1)});
    }
    return entries;
}

}  // namespace

void CheckSystemMenuEntry(HWND dialog, Report& report) {
    const std::vector<MenuEntry> menu = ReadSystemMenu(dialog);
    report.Check(menu.size() >= 2, "system menu read from inside setup.exe");
    if (menu.size() < 2) return;
    const MenuEntry& last = menu.back();
    report.Check(last.command == kAboutCommand && last.text == L"&About Plexaru...",
                 "system menu: the last entry, command 0x10, reads \"&About Plexaru...\"",
                 std::to_wstring(last.command) + L" " + last.text);
    report.Check(menu[menu.size() - 2].separator, "system menu: a separator before it");
}

void CheckAboutBox(HWND dialog, AboutOpener opener, AboutCloser closer, const Image& icon,
                   Report& report) {
    const bool fromMenu = opener == AboutOpener::SystemMenu;
    if (fromMenu) {
        PostMessageW(dialog, WM_SYSCOMMAND, kAboutCommand, 0);
    } else {
        PostMessageW(GetDlgItem(dialog, kAbout), BM_CLICK, 0, 0);
    }
    const HWND box = FindBox(dialog);
    report.Check(box != nullptr, std::string("About box opened from ") +
                                     (fromMenu ? "the system menu" : "its button"));
    if (box == nullptr) return;
    const std::wstring caption = WindowText(box);
    report.Check(caption == L"About Plexaru", "About box: caption \"About Plexaru\"", caption);
    const SIZE client = ClientSize(box);
    report.Check(client.cx == kBoxClient.cx && client.cy == kBoxClient.cy,
                 "About box: client area 380 x 107",
                 std::to_wstring(client.cx) + L" x " + std::to_wstring(client.cy));
    report.Check(!IsWindowEnabled(dialog), "the setup window takes no input behind it");
    CheckBoxControls(box, report);
    CheckBoxPixels(box, icon, report);

    const bool withOk = closer == AboutCloser::OkButton;
    if (withOk) {
        PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    } else {
        PressEscape(box);
    }
    report.Check(WaitFor([&] { return !IsWindow(box); }, kBoxTimeoutMs),
                 std::string("About box closed with ") + (withOk ? "OK" : "Esc"));
    report.Check(IsWindow(dialog) && IsWindowEnabled(dialog),
                 "the setup window stays, taking input again");
}
