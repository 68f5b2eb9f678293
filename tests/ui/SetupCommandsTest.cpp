#include "tests/ui/SetupFixture.h"

namespace {

constexpr std::size_t kFilesWritten = 96;

using SetupCommandsTest = SetupFixture;

TEST_F(SetupCommandsTest, CancelInTheNormalModeClosesWithCancel) {
    MemoryDialogWindow& window = Open();
    window.Click(IDCANCEL);
    EXPECT_EQ(window.Result(), IDCANCEL);
    EXPECT_TRUE(window.Destroyed());
    EXPECT_EQ(PicturesFileCount(), 0u);
}

class NoGameCommandTest : public SetupFixture, public testing::WithParamInterface<int> {};

TEST_P(NoGameCommandTest, EachCommandClosesTheNoGameScreenWithItsOwnResult) {
    LoseGame();
    MemoryDialogWindow& window = Open();
    window.Command(GetParam());
    EXPECT_EQ(window.Result(), GetParam());
    EXPECT_EQ(PicturesFileCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(OkAndCancel, NoGameCommandTest, testing::Values(IDOK, IDCANCEL));

TEST_F(SetupCommandsTest, InstallRunsWithTheWaitCursorAndEveryButtonDisabled) {
    SetGameLanguage(English);
    MemoryDialogWindow& window = Open();
    int requests = 0;
    resources.onRequest = [&] {
        if (requests++ > 0) return;
        EXPECT_TRUE(state.bInstalling);
        EXPECT_EQ(windows.currentCursor, Cursor{MemoryWindowSystem::kWaitCursor});
        for (int id : {IDOK, IDCANCEL, IDC_ABOUT}) EXPECT_FALSE(window.Control(id).enabled) << id;
    };
    window.Click(IDOK);

    EXPECT_EQ(requests, 84);
    EXPECT_EQ(windows.currentCursor, Cursor{MemoryWindowSystem::kArrowCursor});
    EXPECT_TRUE(state.bFinished);
    EXPECT_TRUE(state.bInstalling) << "cleared by the first repaint only";
}

TEST_F(SetupCommandsTest, TheFinishedLayoutShowsSuccessAndASingleExitButton) {
    SetGameLanguage(English);
    MemoryDialogWindow& window = Install();

    EXPECT_EQ(window.Text(IDC_INTRO),
              "The additional pictures of the game Velk setup has completed successfully");
    EXPECT_EQ(window.Control(IDC_INTRO).rect, (Rect{291, 158, 618, 197}));
    for (int id : {IDC_DESTINATION, IDC_FOLDER, IDC_REQUIRED, IDC_AVAILABLE, IDOK, IDC_ABOUT}) {
        EXPECT_FALSE(window.Control(id).visible) << id;
    }
    const MemoryControl& exit = window.Control(IDCANCEL);
    EXPECT_EQ(exit.Text(), "Exit");
    EXPECT_EQ(exit.rect, (Rect{410, 200, 485, 222}));
    EXPECT_TRUE(exit.visible);
    EXPECT_TRUE(exit.enabled);
    EXPECT_EQ(window.FocusedControl(), IDCANCEL);
    EXPECT_EQ(window.CaptionText(), "The additional pictures Velk King Setup");
    EXPECT_EQ(PicturesFileCount(), kFilesWritten);
}

TEST_F(SetupCommandsTest, CommandsBeforeTheFirstRepaintChangeNothing) {
    MemoryDialogWindow& window = Install();
    const std::string written = *game.files.Contents(PicturesFile("c0009.txt"));

    window.Command(IDOK);
    window.Command(IDCANCEL);

    EXPECT_FALSE(window.Result());
    EXPECT_EQ(state.aszCategoryNames[0].size(), 28u) << "no second run";
    EXPECT_EQ(*game.files.Contents(PicturesFile("c0009.txt")), written);
}

class FinishedCommandTest : public SetupFixture, public testing::WithParamInterface<int> {};

TEST_P(FinishedCommandTest, AfterTheRepaintEachCommandCloses) {
    MemoryDialogWindow& window = Install();
    window.Paint();
    EXPECT_FALSE(state.bInstalling);
    window.Command(GetParam());
    EXPECT_EQ(window.Result(), GetParam());
    EXPECT_EQ(state.aszCategoryNames[0].size(), 28u);
}

INSTANTIATE_TEST_SUITE_P(OkAndExit, FinishedCommandTest, testing::Values(IDOK, IDCANCEL));

struct SystemCommandCase {
    unsigned command;
    bool opensAbout;
};

class AboutCommandTest : public SetupFixture,
                         public testing::WithParamInterface<SystemCommandCase> {};

TEST_P(AboutCommandTest, OnlyTheAboutEntrysSixteenCommandsOpenTheBox) {
    MemoryDialogWindow& window = Open();
    const bool handled = window.SysCommand(GetParam().command);
    EXPECT_EQ(handled, GetParam().opensAbout);
    EXPECT_EQ(windows.Runs(),
              GetParam().opensAbout ? std::vector<int>{IDD_ABOUTBOX} : std::vector<int>{});
    EXPECT_FALSE(window.Result());
}

INSTANTIATE_TEST_SUITE_P(Range, AboutCommandTest,
                         testing::Values(SystemCommandCase{0x10, true},
                                         SystemCommandCase{0x1F, true},
                                         SystemCommandCase{0x20, false},
                                         SystemCommandCase{0x0F, false},
                                         SystemCommandCase{0xF060, false},    // close
                                         SystemCommandCase{0xF010, false}));  // move

TEST_F(SetupCommandsTest, TheAboutButtonOpensTheBoxWhichClosesOnItsOwn) {
    MemoryDialogWindow& window = Open();
    window.Click(IDC_ABOUT);
    window.Click(IDC_ABOUT);
    EXPECT_EQ(windows.Runs(), (std::vector<int>{IDD_ABOUTBOX, IDD_ABOUTBOX}));
    EXPECT_EQ(windows.LastWindow().Result(), IDCANCEL);
    EXPECT_FALSE(window.Result());
}

TEST_F(SetupCommandsTest, AfterInstallingOnlyTheSystemMenuOpensTheBox) {
    MemoryDialogWindow& window = Install();
    window.Click(IDC_ABOUT);
    EXPECT_TRUE(windows.Runs().empty());
    window.SysCommand(0x10);
    EXPECT_EQ(windows.Runs(), std::vector<int>{IDD_ABOUTBOX});
}

TEST_F(SetupCommandsTest, AModalRunInstallsClosesAndReleasesTheDrawing) {
    windows.Script(IDD_SETUP, [](MemoryDialogWindow& window) {
        window.Click(IDOK);
        window.Paint();
        window.Click(IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(state.nPicturesDone, 84);
    EXPECT_FALSE(surface.Exists());
    EXPECT_EQ(scene.penFrame, nullptr);
}

}  // namespace
