#pragma once

#include "ui/SetupDlg.h"

// The program: one modal setup dialog, then the end.
class CSetupApp {
public:
    // Shows the setup dialog until it closes; false, so the program ends
    // instead of entering a message loop of its own.
    bool InitInstance(const SetupServices& services);
};
