#include "ui/Dialog.h"

#include "res/resource.h"

bool CDialog::OnInitDialog() {
    DoDataExchange(*window_);
    return true;
}

void CDialog::OnOK() { window_->EndDialog(IDOK); }

void CDialog::OnCancel() { window_->EndDialog(IDCANCEL); }

void CDialog::OnCommand(int id) {
    if (id == IDOK) {
        OnOK();
    } else if (id == IDCANCEL) {
        OnCancel();
    }
}

bool CDialog::InitDialog(DialogWindow& window) {
    window_ = &window;
    return OnInitDialog();
}

void CDialog::Destroy() {
    OnDestroy();
    window_ = nullptr;
}
