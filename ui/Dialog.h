#pragma once

#include "platform/DialogWindow.h"

// A modal dialog made from a resource template. The window layer's messages
// reach the named handlers below; the defaults are the platform's behaviour.
class CDialog : public DialogHandler {
public:
    CDialog(WindowSystem& windows, int templateId) : windows_(windows), templateId_(templateId) {}
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    int DoModal() { return windows_.RunModal(templateId_, *this); }

protected:
    // Binds the control wrappers to the window's controls.
    virtual void DoDataExchange(DialogWindow& /*window*/) {}
    // Runs the data exchange; true lets the platform place the focus.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // IDOK and IDCANCEL go to OnOK and OnCancel.
    virtual void OnCommand(int id);
    virtual bool OnSysCommand(unsigned /*command*/) { return false; }
    virtual void OnPaint() {}
    virtual Icon OnQueryDragIcon() { return {}; }
    virtual void OnDestroy() {}

    DialogWindow& Window() { return *window_; }
    WindowSystem& Windows() { return windows_; }

private:
    bool InitDialog(DialogWindow& window) final;
    void Command(int id) final { OnCommand(id); }
    bool SysCommand(unsigned command) final { return OnSysCommand(command); }
    void Paint() final { OnPaint(); }
    Icon QueryDragIcon() final { return OnQueryDragIcon(); }
    void Destroy() final;

    WindowSystem& windows_;
    int templateId_;
    DialogWindow* window_ = nullptr;
};
