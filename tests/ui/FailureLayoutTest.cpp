#include <iconv.h>

#include <string>
#include <vector>

#include "tests/ui/SetupFixture.h"
#include "texts/Cp1251.h"
#include "ui/FailureReport.h"

namespace {

constexpr Rect kReportRect{291, 158, 618, 292};
constexpr Rect kExitRect{411, 301, 486, 323};
constexpr std::size_t kPictureFileSize = 131328;
constexpr const char* kDiskFull = "There is not enough space on the disk.";

// The report as the user reads it, its Windows-1251 pieces decoded by the C
// library's table rather than the program's; the system's message is ASCII.
std::string Utf8Of(const std::vector<TextPiece>& pieces) {
    std::string text;
    for (const TextPiece& piece : pieces) {
        if (piece.encoding == TextEncoding::Ansi) {
            text += piece.bytes;
            continue;
        }
        iconv_t converter = iconv_open("UTF-8", "CP1251");
        std::string in = piece.bytes;
        std::string out(4 * in.size(), '\0');
        char* inPointer = in.data();
        char* outPointer = out.data();
        std::size_t inLeft = in.size(), outLeft = out.size();
        const bool converted =
            iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) != std::size_t(-1);
        iconv_close(converter);
        text += converted ? out.substr(0, out.size() - outLeft) : "(not Windows-1251)";
    }
    return text;
}

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
                  {"The installation stopped: the file pi0073velk was left partly written.\r\n"},
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

// A full disk: the report names the file the run stopped in and says it is
// partly written, and says that earlier files stay only when some were written.
struct FullDiskCase {
    const char* what;
    UiLanguage language;
    std::vector<std::string> locked;  // skipped before the disk fills
    std::size_t room;                 // bytes the disk takes
    const char* stoppedIn;
    std::size_t written;    // complete files before it
    const char* stopped;    // the report, in UTF-8: the line before the system's message
    const char* afterward;  // and what follows it
};

const std::vector<FullDiskCase> kFullDiskCases = {
    {"English, first file",
     English,
     {},
     100,
     "pi0070velk",
     0,
     "The installation stopped: the file pi0070velk was left partly written.",
     "No other file was written."},
    {"Russian, first file",
     Russian,
     {},
     100,
     "pi0070velk",
     0,
     "Установка прервана: файл pi0070velk записан не полностью.",
     "Других файлов не записано."},
    {"Russian, catalog",
     Russian,
     {},
     7 * kPictureFileSize + 100,
     "c0009.txt",
     7,
     "Установка прервана: файл c0009.txt записан не полностью.",
     "Файлы, записанные до него, остались в папке картинок."},
    {"Esperanto, first file written, after skipped ones",
     Esperanto,
     {"pi0070velk", "pi0071velk"},
     100,
     "pi0072velk",
     0,
     "La instalado haltis: la dosiero pi0072velk restas nur parte skribita.",
     "Neniu alia dosiero estis skribita.\r\nLa instalado ne estas kompleta. Ne eblis skribi cxi "
     "tiujn dosierojn en la bildan dosierujon: pi0070velk, pi0071velk."},
    {"Esperanto, later file",
     Esperanto,
     {},
     3 * kPictureFileSize + 100,
     "pi0073velk",
     3,
     "La instalado haltis: la dosiero pi0073velk restas nur parte skribita.",
     "La dosieroj skribitaj antaux gxi restas en la bilda dosierujo."},
    {"Ukrainian, first file, nothing reached it",
     Ukrainian,
     {},
     0,
     "pi0070velk",
     0,
     "Установку перервано: файл pi0070velk записано не повністю.",
     "Інших файлів не записано."},
    {"Ukrainian, catalog",
     Ukrainian,
     {},
     7 * kPictureFileSize + 100,
     "c0009.txt",
     7,
     "Установку перервано: файл c0009.txt записано не повністю.",
     "Файли, записані до нього, залишилися в теці картинок."},
    {"Belarusian, first file",
     Belarusian,
     {},
     100,
     "pi0070velk",
     0,
     "Усталёўка спынена: файл pi0070velk запісаны не цалкам.",
     "Іншых файлаў не запісана."},
    {"Belarusian, later file",
     Belarusian,
     {},
     3 * kPictureFileSize + 100,
     "pi0073velk",
     3,
     "Усталёўка спынена: файл pi0073velk запісаны не цалкам.",
     "Файлы, запісаныя да яго, засталіся ў тэчцы малюначкаў."},
};

void PrintTo(const FullDiskCase& c, std::ostream* out) { *out << c.what; }

class FullDiskTest : public FailureLayoutTest, public testing::WithParamInterface<FullDiskCase> {};

TEST_P(FullDiskTest, NamesThePartlyWrittenFile) {
    const FullDiskCase& c = GetParam();
    SetGameLanguage(c.language);
    for (const std::string& name : c.locked) LockPictureFile(name);
    game.files.FailWritesAfter(c.room, std::string(kDiskFull) + "\r\n");
    MemoryDialogWindow& window = Install();

    EXPECT_EQ(Utf8Of(window.Control(IDC_INTRO).text),
              std::string(c.stopped) + "\r\n" + kDiskFull + "\r\n" + c.afterward)
        << c.what;
    const auto partlyWritten = game.files.Contents(PicturesFile(c.stoppedIn));
    ASSERT_TRUE(partlyWritten) << c.what;
    EXPECT_EQ(partlyWritten->size(), c.room - c.written * kPictureFileSize) << c.what;
    EXPECT_EQ(PicturesFileCount(), c.locked.size() + c.written + 1) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, FullDiskTest, testing::ValuesIn(kFullDiskCases));

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
              "The installation stopped: the file pi0071velk was left partly written.\r\n"
              "Disk full\r\nNo other file was written.\r\n"
              "The installation is incomplete. These files could not be written into the pictures "
              "folder: pi0070velk.");
}

}  // namespace
