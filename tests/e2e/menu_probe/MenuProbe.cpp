// Loaded into setup.exe by the driver's message hook, to read the system menu
// where it lives: Wine lets no other process read a window's menu.

#include "tests/e2e/menu_probe/MenuProbe.h"

#include <windows.h>

#include <string>

namespace {

// One line per entry: its command, 1 for a separator or 0, its text.
std::wstring DescribeMenu(HMENU menu) {
    std::wstring lines;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        wchar_t text[256]{};
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = 256;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item)) continue;
        lines += std::to_wstring(item.wID) + L"\t" +
                 ((item.fType & MFT_SEPARATOR) != 0 ? L"1" : L"0") + L"\t" + text + L"\n";
    }
    return lines;
}

void WriteReport(HWND window) {
    const HMENU menu = GetSystemMenu(window, FALSE);
    const std::wstring lines = menu != nullptr ? DescribeMenu(menu) : L"";
    const std::wstring path = SystemMenuReportPath(GetCurrentProcessId());
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, lines.data(), static_cast<DWORD>(lines.size() * sizeof(wchar_t)), &written,
              nullptr);
    CloseHandle(file);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    ReadSystemMenu(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_NULL &&
        message->wParam == kSystemMenuProbe) {
        WriteReport(message->hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
