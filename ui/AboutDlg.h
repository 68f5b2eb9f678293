#pragma once

#include "res/resource.h"
#include "ui/Dialog.h"

// The About box: icon, name, version and the maker's notice; the platform's
// default handling does the rest.
class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(WindowSystem& windows) : CDialog(windows, IDD_ABOUTBOX) {}
};
