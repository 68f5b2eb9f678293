#include <string>
#include <vector>

#include "tests/ui/SetupFixture.h"
#include "texts/Cp1251.h"
#include "ui/FailureReport.h"

namespace {

constexpr Rect kReportRect{291, 158, 618, 292};
constexpr Rect kExitRect{411, 301, 486, 323};
constexpr std::size_t kPictureFileSize = 131328;

class FailureLayoutTest : public SetupFixture {
protected:
    // An existing picture file that cannot be opened for writing.
    void LockPictureFile(std::string_view name) {
        game.files.AddFile(PicturesFile(name), "");
        game.files.SetReadOnly(PicturesFile(name));
    }

    // The finished window must say what happened and let the user leave.
    void ExpectExitCloses(MemoryDialogWindow& window) {
        const MemoryControl& exit = window.Control(IDCANCEL);
        EXPECT_EQ(exit.rect, kExitRect);
        EXPECT_TRUE(exit.visible && exit.enabled);
        EXPECT_EQ(window.FocusedControl(), IDCANCEL);
        for (int id : {IDC_DESTINATION, IDC_FOLDER, IDC_REQUIRED, IDC_AVAILABLE, IDOK, IDC_ABOUT}) {
            EXPECT_FALSE(window.Control(id).visible) << id;
        }
        window.Paint();
        window.Click(IDCANCEL);
        EXPECT_EQ(window.Result(), IDCANCEL);
    }
};

TEST_F(FailureLayoutTest, SkippedFilesAreNamedInsteadOfSuccess) {
    SetGameLanguage(English);
    LockPictureFile("pi0071velk");
    LockPictureFile("c0009.txt");
    MemoryDialogWindow& window = Install();

    EXPECT_EQ(window.Text(IDC_INTRO),
              "The installation is incomplete. These files could not be written into the pictures "
              "folder: pi0071velk, c0009.txt.");
    EXPECT_EQ(window.Control(IDC_INTRO).rect, kReportRect);
    EXPECT_EQ(window.Text(IDCANCEL), "Exit");
    EXPECT_EQ(PicturesFileCount(), 96u);
    ExpectExitCloses(window);
}

TEST_F(FailureLayoutTest, ALongListShowsTheFirstFilesAndCountsTheRest) {
    SetGameLanguage(Russian);
    for (int number = 70; number < 77; ++number)
        LockPictureFile("pi00" + std::to_string(number) + "velk");
    for (const char* name : {"pi0170velk", "pi0171velk", "pi0172velk", "c0109.txt"})
        LockPictureFile(name);
    MemoryDialogWindow& window = Install();

    EXPECT_EQ(window.Control(IDC_INTRO).text,
              (std::vector<TextPiece>{
                  {std::string(u8"Установка не завершена. Эти файлы не удалось записать в папку "
                               u8"картинок: "_cp1251) +
                   "pi0070velk, pi0071velk, pi0072velk, pi0073velk, pi0074velk, pi0075velk, "
                   "pi0076velk, pi0170velk" +
                   std::string(u8" и ещё 3."_cp1251)}}));
    EXPECT_EQ(window.Text(IDCANCEL), std::string(u8"Выход"_cp1251));
}

TEST_F(FailureLayoutTest, AWriteErrorStopsTheRunAndIsReportedWithTheSystemsMessage) {
    SetGameLanguage(English);
    game.files.FailWritesAfter(3 * kPictureFileSize + 100,
                               "There is not enough space on the disk.\r\n");
    MemoryDialogWindow& window = Install();

    EXPECT_EQ(window.Control(IDC_INTRO).text,
              (std::vector<TextPiece>{
                  {"The installation stopped: the file pi0073velk could not be written.\r\n"},
                  {"There is not enough space on the disk.", TextEncoding::Ansi},
                  {"\r\nThe files written before it stay in the pictures folder."}}));
    EXPECT_EQ(window.Control(IDC_INTRO).rect, kReportRect);
    EXPECT_EQ(game.files.Contents(PicturesFile("pi0072velk"))->size(), kPictureFileSize);
    EXPECT_EQ(state.nPicturesDone, 3);
    EXPECT_EQ(window.Drawings().back(),
              (std::vector<std::string>{"select pen 2 #000000", "move 266,7", "line 623,7",
                                        "line 623,448", "line 266,448",
                                        "fill 291,280-611,290 brush #ffffff"}));
    EXPECT_TRUE(state.bFinished);
    ExpectExitCloses(window);
}

TEST(FailureReportTest, AStopAfterSkippedFilesNamesBoth) {
    InstallReport report;
    report.skippedFiles = {"pi0070velk"};
    report.stoppedBy = FileFailure{"pi0071velk", "Disk full"};

    const ComposedText text = DescribeFailure(report, InstallFailureTextsFor(English));
    std::string joined;
    for (const EncodedText& piece : text.Pieces()) {
        joined += piece.bytes;
    }
    EXPECT_EQ(joined,
              "The installation stopped: the file pi0071velk could not be written.\r\nDisk full\r\n"
              "The files written before it stay in the pictures folder.\r\n"
              "The installation is incomplete. These files could not be written into the pictures "
              "folder: pi0070velk.");
}

}  // namespace
