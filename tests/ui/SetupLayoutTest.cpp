#include <optional>
#include <string>

#include "tests/ui/SetupFixture.h"
#include "texts/Cp1251.h"

namespace {

struct ExpectedControl {
    int id;
    std::string text;
    Rect rect;
    bool visible;
};

void ExpectControls(const MemoryDialogWindow& window,
                    const std::vector<ExpectedControl>& expected) {
    for (const ExpectedControl& control : expected) {
        SCOPED_TRACE("control " + std::to_string(control.id));
        EXPECT_EQ(window.Text(control.id), control.text);
        EXPECT_EQ(window.Control(control.id).rect, control.rect);
        EXPECT_EQ(window.Control(control.id).visible, control.visible);
        EXPECT_TRUE(window.Control(control.id).enabled);
    }
}

using SetupLayoutTest = SetupFixture;

TEST_F(SetupLayoutTest, EnglishNormalModeNamesTheFolderAndBothSpaces) {
    SetGameLanguage(English);
    MemoryDialogWindow& window = Open();

    EXPECT_EQ(window.CaptionText(), "The additional pictures Velk King Setup");
    ExpectControls(
        window, {
                    {IDOK, "OK", {323, 301, 398, 323}, true},
                    {IDCANCEL, "Cancel", {411, 301, 486, 323}, true},
                    {IDC_INTRO,
                     "This program will install the additional pictures of the game Velk King (and "
                     "others) onto your system.",
                     {291, 158, 618, 197},
                     true},
                    {IDC_DESTINATION, "Dectination Folder:", {291, 197, 618, 211}, true},
                    {IDC_REQUIRED, "Reguired:   11040 Kb", {291, 226, 606, 241}, true},
                    {IDC_AVAILABLE, "Available:   4096 Kb", {291, 255, 411, 270}, true},
                    {IDC_FOLDER, "D:\\Kordanex\\Pictures", {438, 197, 618, 236}, true},
                    {IDC_DOWNLOAD, "", {291, 255, 416, 275}, false},
                    {IDC_SIDE_PICTURE, "", {5, 5, 264, 449}, true},
                    {IDC_ABOUT, "About", {500, 301, 575, 323}, true},
                    {IDC_TITLES,
                     "For Velk King,\r\nVelk Figures,\r\nVelk Puzzles,\r\nand others",
                     {290, 47, 431, 111},
                     true},
                });
    EXPECT_TRUE(state.bGamePresent);
    EXPECT_FALSE(window.FocusedControl()) << "the platform places the first focus";
}

TEST_F(SetupLayoutTest, InitialisationAddsTheAboutEntryIconsFontsAndTheSurface) {
    MemoryDialogWindow& window = Open();

    EXPECT_EQ(window.SystemMenu(), (std::vector<std::string>{"separator", "16 &About Plexaru..."}));
    EXPECT_EQ(window.BigIcon(), Icon{IDR_MAINFRAME});
    EXPECT_EQ(window.SmallIcon(), Icon{IDR_MAINFRAME});
    EXPECT_EQ(window.QueryDragIcon(), Icon{IDR_MAINFRAME});
    EXPECT_EQ(drawing.fontRequests, (std::vector<std::string>{"MS Sans Serif", "MS Sans Serif"}));
    EXPECT_TRUE(surface.Exists());
    EXPECT_EQ(scene.rcProgressBar, (Rect{291, 280, 291, 290}));
}

TEST_F(SetupLayoutTest, AnEmptyAboutStringAddsNoEntryButTheButtonStillWorks) {
    windows.strings[IDS_ABOUTBOX] = "";
    MemoryDialogWindow& window = Open();

    EXPECT_TRUE(window.SystemMenu().empty());
    window.Click(IDC_ABOUT);
    EXPECT_EQ(windows.Runs(), std::vector<int>{IDD_ABOUTBOX});
}

// Every language's texts reach the window as Windows-1251 bytes; only the
// folder, read through the system's "A" functions, is in the ANSI code page.
class SetupLanguageTest : public SetupFixture, public testing::WithParamInterface<UiLanguage> {};

TEST_P(SetupLanguageTest, NormalModeShowsTheGameLanguage) {
    SetGameLanguage(GetParam());
    UiTexts expected;
    LoadUiTexts(expected, GetParam());
    MemoryDialogWindow& window = Open();

    EXPECT_EQ(window.Caption(), (std::vector<TextPiece>{{expected.TextTitle}}));
    EXPECT_EQ(window.Control(IDOK).text, (std::vector<TextPiece>{{expected.TextInstall}}));
    EXPECT_EQ(window.Control(IDCANCEL).text, (std::vector<TextPiece>{{expected.TextCancel}}));
    EXPECT_EQ(window.Control(IDC_ABOUT).text, (std::vector<TextPiece>{{expected.TextAbout}}));
    EXPECT_EQ(window.Control(IDC_INTRO).text, (std::vector<TextPiece>{{expected.TextIntro}}));
    EXPECT_EQ(window.Control(IDC_TITLES).text, (std::vector<TextPiece>{{expected.TextTitlesList}}));
    EXPECT_EQ(window.Text(IDC_DESTINATION), expected.TextDestination);
    EXPECT_EQ(window.Text(IDC_REQUIRED), expected.TextRequired + "  11040 Kb");
    EXPECT_EQ(window.Text(IDC_AVAILABLE), expected.TextAvailable + "  4096 Kb");
    EXPECT_EQ(window.Control(IDC_FOLDER).text,
              (std::vector<TextPiece>{{"D:\\Kordanex\\Pictures", TextEncoding::Ansi}}));
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, SetupLanguageTest,
                         testing::Values(English, Russian, Esperanto, Ukrainian, Belarusian));

// Why discovery failed does not show: every cause gives the same screen; only
// the About button and the painted header tell whether texts were loaded.
enum class NoGameCause { GameNotFound, PicturesValueUnreadable, ExecutableNotInDirectory };

struct NoGameCase {
    NoGameCause cause;
    std::string aboutText;
    std::string title;  // the loaded TextTitle
};

class NoGameModeTest : public SetupFixture, public testing::WithParamInterface<NoGameCase> {
protected:
    void Arrange(NoGameCause cause) {
        switch (cause) {
            case NoGameCause::GameNotFound:
                return LoseGame();
            case NoGameCause::PicturesValueUnreadable:
                return SpoilPicturesValue();
            case NoGameCause::ExecutableNotInDirectory:
                return MoveGameDirectory(Russian);
        }
    }
};

TEST_P(NoGameModeTest, ShowsTheFixedScreenWithTheDownloadAddress) {
    Arrange(GetParam().cause);
    MemoryDialogWindow& window = Open();

    EXPECT_EQ(window.CaptionText(), "The additional pictures Velk King Setup");
    ExpectControls(
        window, {
                    {IDOK, "OK", {323, 301, 398, 323}, false},
                    {IDCANCEL, "OK", {375, 302, 450, 324}, true},
                    {IDC_INTRO,
                     "There are no the game Velk King onto your system!",
                     {291, 166, 618, 205},
                     true},
                    {IDC_DESTINATION,
                     std::string(u8"Игра Велк Королева на вашем компьютере не обнаружена!"_cp1251),
                     {291, 197, 618, 211},
                     true},
                    {IDC_REQUIRED,
                     "Download the game Velk for free right now from web:",
                     {291, 226, 606, 241},
                     true},
                    {IDC_AVAILABLE, "", {291, 255, 411, 270}, true},
                    {IDC_FOLDER, "", {438, 197, 618, 236}, false},
                    {IDC_DOWNLOAD, "http://velk.example.com/", {291, 255, 416, 275}, true},
                    {IDC_SIDE_PICTURE, "", {5, 5, 264, 449}, true},
                    {IDC_ABOUT, GetParam().aboutText, {465, 302, 540, 324}, true},
                    {IDC_TITLES, "", {290, 47, 431, 111}, true},
                });
    EXPECT_FALSE(state.bGamePresent);
    EXPECT_EQ(texts.TextTitle, GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, NoGameModeTest,
    testing::Values(NoGameCase{NoGameCause::GameNotFound, "About", ""},
                    NoGameCase{NoGameCause::PicturesValueUnreadable, "About",
                               "The additional pictures Velk King Setup"},
                    NoGameCase{
                        NoGameCause::ExecutableNotInDirectory, std::string(u8"О программе"_cp1251),
                        std::string(u8"Установка дополнительных картинок для игры"_cp1251)}));

TEST_F(SetupLayoutTest, NoDrawingIsPreparedWhenTheGameIsNotFound) {
    LoseGame();
    Open();
    EXPECT_FALSE(surface.Exists());
    EXPECT_EQ(scene.brushBar, nullptr);
}

}  // namespace
