#include "ui/SetupDlg.h"

#include <initializer_list>
#include <string_view>

#include "discovery/InstallLocations.h"
#include "res/resource.h"
#include "texts/Cp1251.h"
#include "texts/InstallFailureTexts.h"
#include "ui/AboutDlg.h"
#include "ui/FailureReport.h"
#include "ui/SceneGeometry.h"

namespace {

// The no-game screen is the same in every language.
constexpr std::string_view kNoGameCaption = "The additional pictures Velk King Setup";
constexpr std::string_view kNoGameEnglish = "There are no the game Velk King onto your system!";
constexpr std::string_view kNoGameRussian =
    u8"Игра Велк Королева на вашем компьютере не обнаружена!"_cp1251;
constexpr std::string_view kNoGameButton = "OK";
constexpr std::string_view kDownloadInvitation =
    "Download the game Velk for free right now from web:";
constexpr std::string_view kDownloadAddress = "http://velk.example.com/";

constexpr std::string_view kRequiredSpace = "11040 Kb";
constexpr std::string_view kNumberGap = "  ";
constexpr std::string_view kSpaceUnit = " Kb";

constexpr Point kNoGameCancelAt{375, 302};
constexpr Point kNoGameAboutAt{465, 302};
constexpr Point kNoGameIntroAt{291, 166};
constexpr Point kExitAt{410, 200};
// A report of files not written needs the whole text column; Exit then
// stands where Cancel stood.
constexpr Rect kFailureReportRect{291, 158, 618, 292};
constexpr Point kFailureExitAt{411, 301};

constexpr unsigned kSystemCommandMask = 0xFFF0;

}  // namespace

CSetupDlg::CSetupDlg(const SetupServices& services)
    : CDialog(services.windows, IDD_SETUP),
      PictureInstaller(services.state, services.resources, services.environment.files,
                       services.surface),
      state_(services.state),
      texts_(services.texts),
      scene_(services.scene),
      surface_(services.surface),
      environment_(services.environment),
      icon_(services.windows.LoadIcon(IDR_MAINFRAME)) {}

void CSetupDlg::DoDataExchange(DialogWindow& window) {
    titles_.Bind(window, IDC_TITLES);
    about_.Bind(window, IDC_ABOUT);
    sidePicture_.Bind(window, IDC_SIDE_PICTURE);
    download_.Bind(window, IDC_DOWNLOAD);
    folder_.Bind(window, IDC_FOLDER);
    required_.Bind(window, IDC_REQUIRED);
    destination_.Bind(window, IDC_DESTINATION);
    intro_.Bind(window, IDC_INTRO);
    cancel_.Bind(window, IDCANCEL);
    ok_.Bind(window, IDOK);
    available_.Bind(window, IDC_AVAILABLE);
}

bool CSetupDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    Window().AppendSystemMenuEntry(IDM_ABOUTBOX, IDS_ABOUTBOX);
    Window().SetIcons(icon_);
    waitCursor_ = Windows().LoadWaitCursor();
    CreateHeaderFont(scene_);
    CreateBadgeFont(scene_);
    sidePicture_.MoveAndShow(kThumbnailOrigin);

    const bool found =
        RunDiscovery(state_, environment_, [this] { PrepareDrawing(scene_, surface_); });
    if (!found) {
        LayOutNoGameMode();
        return true;
    }
    LoadUiTexts(texts_, state_.nLanguage);
    about_.SetText(texts_.TextAbout);
    if (state_.bPicturesFolderKnown && state_.bGameExeReadable && state_.bGameDirectoryKnown) {
        LayOutNormalMode();
    } else {
        LayOutNoGameMode();
    }
    return true;
}

void CSetupDlg::LayOutNormalMode() {
    titles_.SetText(texts_.TextTitlesList);
    Window().SetCaption({texts_.TextTitle});
    ok_.SetText(texts_.TextInstall);
    cancel_.SetText(texts_.TextCancel);
    intro_.SetText(texts_.TextIntro);
    destination_.SetText(texts_.TextDestination);
    folder_.SetText(state_.szPicturesFolder.View(), TextEncoding::Ansi);
    required_.SetText({{texts_.TextRequired}, {kNumberGap}, {kRequiredSpace}});
    available_.SetText({{texts_.TextAvailable}, {kNumberGap}, {state_.strFreeSpace}, {kSpaceUnit}});
    download_.Hide();
}

void CSetupDlg::LayOutNoGameMode() {
    state_.bGamePresent = false;
    Window().SetCaption({kNoGameCaption});
    intro_.SetText(kNoGameEnglish);
    destination_.SetText(kNoGameRussian);
    cancel_.SetText(kNoGameButton);
    download_.SetText(kDownloadAddress);
    required_.SetText(kDownloadInvitation);
    cancel_.MoveAndShow(kNoGameCancelAt);
    about_.MoveAndShow(kNoGameAboutAt);
    intro_.MoveAndShow(kNoGameIntroAt);
    folder_.Hide();
    ok_.Hide();
}

void CSetupDlg::OnOK() {
    if (state_.bInstalling) return;
    if (!state_.bGamePresent || state_.bFinished) {
        CDialog::OnOK();
        return;
    }
    if (!state_.bPicturesFolderKnown) return;

    const Cursor keptCursor = Windows().SetCursor(waitCursor_);
    ok_.Enable(false);
    cancel_.Enable(false);
    about_.Enable(false);
    const InstallReport report = InstallAllPictures();
    DrawScene(1, ClearBar);
    LayOutFinished(report);
    state_.bFinished = true;
    Windows().SetCursor(keptCursor);
}

void CSetupDlg::LayOutFinished(const InstallReport& report) {
    const bool complete = report.Complete();
    if (complete) {
        intro_.SetText(texts_.TextSuccess);
    } else {
        const ComposedText failure =
            DescribeFailure(report, InstallFailureTextsFor(state_.nLanguage));
        intro_.SetText(failure.Pieces());
        intro_.PlaceAndShow(kFailureReportRect);
    }
    for (CControl* control : std::initializer_list<CControl*>{&destination_, &folder_, &required_,
                                                              &available_, &ok_, &about_}) {
        control->Hide();
    }
    cancel_.Enable(true);
    cancel_.MoveAndShow(complete ? kExitAt : kFailureExitAt);
    cancel_.SetText(texts_.TextExit);
    cancel_.Focus();
}

void CSetupDlg::OnCancel() {
    if (state_.bInstalling) return;
    CDialog::OnCancel();
}

void CSetupDlg::OnCommand(int id) {
    if (id == IDC_ABOUT) {
        OnAbout();
    } else {
        CDialog::OnCommand(id);
    }
}

void CSetupDlg::OnAbout() { OpenAboutBox(); }

bool CSetupDlg::OnSysCommand(unsigned command) {
    if ((command & kSystemCommandMask) != IDM_ABOUTBOX) return false;
    OpenAboutBox();
    return true;
}

void CSetupDlg::OpenAboutBox() {
    CAboutDlg about(Windows());
    about.DoModal();
}

void CSetupDlg::OnDestroy() {
    CDialog::OnDestroy();
    ReleaseDrawing(scene_, surface_);
}
