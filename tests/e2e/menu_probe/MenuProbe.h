#pragma once

#include <windows.h>

#include <string>

// A WM_NULL with this wParam, seen by the hook in the window's thread, makes
// it write the window's system menu to the report file.
inline constexpr WPARAM kSystemMenuProbe = 0x5E7;

// Where the hook in process `processId` writes the menu: UTF-16 lines of
// command, separator flag (1 or 0) and text, separated by tabs.
inline std::wstring SystemMenuReportPath(DWORD processId) {
    wchar_t folder[MAX_PATH]{};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"system-menu-" + std::to_wstring(processId) + L".txt";
}

// The hook procedure, exported undecorated.
extern "C" __declspec(dllexport) LRESULT CALLBACK
    ReadSystemMenu(int code, WPARAM wParam, LPARAM lParam);
