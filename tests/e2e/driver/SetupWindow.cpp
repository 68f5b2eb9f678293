#include "tests/e2e/driver/SetupWindow.h"

#include <vector>

SetupProcess::SetupProcess(const std::wstring& exePath) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_)) {
        process_ = {};
    }
}

SetupProcess::~SetupProcess() {
    if (!Started()) return;
    if (!WaitEnded(0)) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

namespace {

struct DialogSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<DialogSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[16]{};
    GetClassNameW(window, className, 16);
    if (owner == search.processId && IsWindowVisible(window) &&
        std::wstring_view(className) == L"#32770") {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND SetupProcess::FindDialog(DWORD timeoutMs) const {
    DialogSearch search{process_.dwProcessId, nullptr};
    WaitFor(
        [&] {
            EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr || WaitEnded(0);
        },
        timeoutMs);
    return search.found;
}

bool SetupProcess::Settle(HWND dialog) const {
    if (WaitForInputIdle(process_.hProcess, 10000) != 0) return false;
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &answer) != 0;
}

bool SetupProcess::WaitEnded(DWORD timeoutMs) const {
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool SetupProcess::PressUntilEnded(HWND dialog, int buttonId, DWORD timeoutMs) const {
    const double deadline = NowMs() + timeoutMs;
    do {
        PostCommand(dialog, buttonId);
        if (WaitEnded(100)) return true;
    } while (NowMs() < deadline);
    return false;
}

std::wstring WindowText(HWND window) {
    // GetWindowText answers another process's controls from the window
    // manager's copy, which an edit field does not keep; the control itself
    // is asked instead.
    std::vector<wchar_t> text(1024);
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_BLOCK, 10000, &length)) {
        return {};
    }
    return {text.data(), static_cast<std::size_t>(length)};
}

ControlState ReadControl(HWND dialog, int id) { return ReadChild(dialog, GetDlgItem(dialog, id)); }

ControlState ReadChild(HWND dialog, HWND control) {
    if (control == nullptr) return {};
    ControlState state;
    state.exists = true;
    state.text = WindowText(control);
    GetWindowRect(control, &state.rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&state.rect), 2);
    state.visible = IsWindowVisible(control) != FALSE;
    state.enabled = IsWindowEnabled(control) != FALSE;
    return state;
}

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right - client.left, client.bottom - client.top};
}

void PostCommand(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    const double deadline = NowMs() + timeoutMs;
    while (!condition()) {
        if (NowMs() >= deadline) return false;
        Sleep(1);
    }
    return true;
}

double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}
