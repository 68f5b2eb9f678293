#pragma once

#include <windows.h>

#include <optional>
#include <vector>

// The parts of an extended dialog template (DIALOGEX) the window layer lays
// out by: the dialog's size and each control's place, in dialog units and in
// creation order.
struct TemplateItem {
    DWORD style = 0;
    short x = 0, y = 0, width = 0, height = 0;
};

struct DialogTemplateLayout {
    short width = 0, height = 0;
    std::vector<TemplateItem> items;
};

// Empty when the module has no such extended template.
std::optional<DialogTemplateLayout> ReadDialogTemplate(HINSTANCE module, int templateId);
