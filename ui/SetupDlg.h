#pragma once

#include <cstdint>

#include "discovery/DiscoveryEnvironment.h"
#include "install/PictureInstaller.h"
#include "install/PictureSurface.h"
#include "install/SceneMode.h"
#include "platform/Canvas.h"
#include "platform/DialogWindow.h"
#include "platform/Resources.h"
#include "state/SetupState.h"
#include "texts/UiTexts.h"
#include "ui/Controls.h"
#include "ui/Dialog.h"
#include "ui/SceneResources.h"

// Everything the setup dialog works on; the program's objects, or a test's.
struct SetupServices {
    SetupState& state;
    UiTexts& texts;
    SceneResources& scene;
    PictureSurface& surface;
    WindowSystem& windows;
    const Resources& resources;
    const DiscoveryEnvironment& environment;
};

// The program's main window: finds the game, offers the installation, runs
// it and reports how it went.
class CSetupDlg : public CDialog, public PictureInstaller {
public:
    explicit CSetupDlg(const SetupServices& services);

protected:
    void DoDataExchange(DialogWindow& window) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnCommand(int id) override;
    bool OnSysCommand(unsigned command) override;
    void OnPaint() override;
    Icon OnQueryDragIcon() override { return icon_; }
    void OnDestroy() override;
    void OnAbout();

    void DrawScene(std::int32_t index, SceneMode mode) override;

private:
    void LayOutNormalMode();
    void LayOutNoGameMode();
    void LayOutFinished(const InstallReport& report);
    void OpenAboutBox();
    void PaintMinimized();

    SetupState& state_;
    UiTexts& texts_;
    SceneResources& scene_;
    PictureSurface& surface_;
    const DiscoveryEnvironment& environment_;

    CStatic titles_;
    CButton about_;
    CStatic sidePicture_;
    CEdit download_;
    CStatic folder_;
    CStatic required_;
    CStatic destination_;
    CStatic intro_;
    CButton cancel_;
    CButton ok_;
    CStatic available_;
    Icon icon_;
    Cursor waitCursor_;
};
