#include "app/SetupApp.h"

bool CSetupApp::InitInstance(const SetupServices& services) {
    CSetupDlg dialog(services);
    services.windows.SetDialogColours(kWhite, kBlack);
    dialog.DoModal();
    return false;
}
