#pragma once

#include <windows.h>

#include "platform/DialogWindow.h"

// Modal dialogs from the module's templates, laid out in fixed pixels (the
// template's dialog units at 6 x 13 base units, whatever the system font),
// with a control font that shows Cyrillic everywhere.
class Win32WindowSystem : public WindowSystem {
public:
    explicit Win32WindowSystem(HINSTANCE module);
    ~Win32WindowSystem() override;
    Win32WindowSystem(const Win32WindowSystem&) = delete;
    Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

    int RunModal(int templateId, DialogHandler& handler) override;
    void SetDialogColours(Colour background, Colour text) override;
    Icon LoadIcon(int id) override;
    Size IconSize() override;
    Cursor LoadWaitCursor() override;
    Cursor SetCursor(Cursor cursor) override;

private:
    HINSTANCE module_;
    HFONT controlFont_;
};
