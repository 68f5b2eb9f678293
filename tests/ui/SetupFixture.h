#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "install/PictureSurface.h"
#include "platform/inproc/MemoryDialogWindow.h"
#include "platform/inproc/MemoryDrawing.h"
#include "res/EmbeddedResources.h"
#include "res/resource.h"
#include "state/SetupState.h"
#include "tests/support/InstalledGame.h"
#include "texts/UiTexts.h"
#include "ui/SceneResources.h"
#include "ui/SetupDlg.h"

// The setup window's template as the window layer lays it out: client pixel
// rectangles and template texts, in creation order. The side picture keeps
// its bitmap's own size.
inline std::vector<MemoryControl> SetupTemplate() {
    return {
        {IDOK, {323, 301, 398, 323}, {{"OK"}}},   {IDCANCEL, {411, 301, 486, 323}, {{"Cancel"}}},
        {IDC_INTRO, {291, 158, 618, 197}, {}},    {IDC_DESTINATION, {291, 197, 618, 211}, {}},
        {IDC_REQUIRED, {291, 226, 606, 241}, {}}, {IDC_AVAILABLE, {291, 255, 411, 270}, {}},
        {IDC_FOLDER, {438, 197, 618, 236}, {}},   {IDC_DOWNLOAD, {291, 255, 416, 275}, {}},
        {IDC_SIDE_PICTURE, {2, 0, 261, 444}, {}}, {IDC_ABOUT, {500, 301, 575, 323}, {{"About"}}},
        {IDC_TITLES, {290, 47, 431, 111}, {}},
    };
}

inline void PrintTo(const TextPiece& piece, std::ostream* out) {
    *out << (piece.encoding == TextEncoding::Ansi ? "ansi" : "cp1251") << ":"
         << testing::PrintToString(piece.bytes);
}

// The game's language codes in curlanguage.txt.
inline constexpr const char* kLanguageCodes[] = {"1", "4", "3", "5", "8"};

// Bitmaps from the program's resources, with a look at the window each time
// the installation asks for one.
class WatchedResources : public Resources {
public:
    std::span<const std::byte> Bitmap(std::uint16_t id) const override {
        if (onRequest) onRequest();
        return EmbeddedResources().Bitmap(id);
    }
    std::function<void()> onRequest;
};

// The setup dialog exposed to the tests: its drawing requests too.
class TestedSetupDlg : public CSetupDlg {
public:
    using CSetupDlg::CSetupDlg;
    using CSetupDlg::DrawScene;
};

// The setup dialog on a machine with the game installed (Russian game
// language unless a test says otherwise), over memory windows.
class SetupFixture : public testing::Test {
protected:
    SetupFixture() {
        windows.AddTemplate(IDD_SETUP, SetupTemplate());
        windows.AddTemplate(IDD_ABOUTBOX, {});
        windows.strings[IDS_ABOUTBOX] = "&About Plexaru...";
    }

    void SetGameLanguage(UiLanguage language) {
        game.files.AddFile(InstalledGame::kLanguageFile, kLanguageCodes[language]);
    }
    // The game's key names an executable that is not there.
    void LoseGame() {
        game.keys.SetString(InstalledGame::kGameKey, "CommandLine", "D:\\Nowhere\\Velk.exe");
    }
    // A "Pictures" value too long for a path.
    void SpoilPicturesValue() {
        game.keys.SetString(InstalledGame::kCommonKey, "Pictures", std::string(300, 'x'));
    }
    // "Directory" names a folder without the executable, in the given language.
    void MoveGameDirectory(UiLanguage language) {
        game.keys.SetString(InstalledGame::kGameKey, "Directory", kOtherFolder);
        game.files.AddFile(std::string(kOtherFolder) + "\\curlanguage.txt",
                           kLanguageCodes[language]);
    }
    static constexpr std::string_view kOtherFolder = "D:\\Other";

    MemoryDialogWindow& Open() { return windows.Open(IDD_SETUP, dialog); }
    // Opens the window and presses Install.
    MemoryDialogWindow& Install() {
        MemoryDialogWindow& window = Open();
        window.Click(IDOK);
        return window;
    }

    // The files in the pictures folder.
    std::size_t PicturesFileCount() const {
        const std::string prefix = std::string(InstalledGame::kPicturesFolder) + "\\";
        std::size_t count = 0;
        for (const std::string& name : game.files.FileNames()) count += name.starts_with(prefix);
        return count;
    }
    std::string PicturesFile(std::string_view name) const {
        return std::string(InstalledGame::kPicturesFolder) + "\\" + std::string(name);
    }

    InstalledGame game;
    DiscoveryEnvironment environment = game.Environment();
    WatchedResources resources;
    SetupState state;
    UiTexts texts;
    MemoryDrawing drawing;
    SceneResources scene{drawing};
    PictureSurface surface;
    MemoryWindowSystem windows;
    TestedSetupDlg dialog{{state, texts, scene, surface, windows, resources, environment}};
};
