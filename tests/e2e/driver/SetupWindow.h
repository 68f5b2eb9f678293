#pragma once

#include <windows.h>

#include <functional>
#include <string>

// setup.exe started by the driver in the same Wine prefix, ended by the
// destructor if a scenario leaves it running.
class SetupProcess {
public:
    explicit SetupProcess(const std::wstring& exePath);
    ~SetupProcess();
    SetupProcess(const SetupProcess&) = delete;
    SetupProcess& operator=(const SetupProcess&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    // The process's visible top-level dialog (class #32770), once it shows.
    HWND FindDialog(DWORD timeoutMs) const;
    // Returns once the window thread has handled its queue and sits idle.
    bool Settle(HWND dialog) const;
    bool WaitEnded(DWORD timeoutMs) const;
    // Clicks the button until the process ends: a click that arrives before
    // the window's first repaint after the installation is ignored by design.
    bool PressUntilEnded(HWND dialog, int buttonId, DWORD timeoutMs) const;

private:
    PROCESS_INFORMATION process_{};
};

struct ControlState {
    bool exists = false;
    std::wstring text;
    RECT rect{};  // client coordinates of the dialog
    bool visible = false;
    bool enabled = false;
};

ControlState ReadControl(HWND dialog, int id);
// The same for a control that has no id of its own.
ControlState ReadChild(HWND dialog, HWND control);
std::wstring WindowText(HWND window);
SIZE ClientSize(HWND window);
void PostCommand(HWND dialog, int id);
// Polls the condition every millisecond; false if it did not hold in time.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs);
// Milliseconds on the high-resolution counter.
double NowMs();
