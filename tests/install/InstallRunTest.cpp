#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "install/InstallPlan.h"
#include "install/PictureInstaller.h"
#include "platform/inproc/MemoryFileSystem.h"
#include "res/EmbeddedResources.h"
#include "tests/support/PictureDib.h"

namespace {

constexpr const char* kFolder = "C:\\Common\\Pictures";

std::string PathOf(const std::string& name) { return std::string(kFolder) + "\\" + name; }

// Remembers every file opened for writing, in order.
class RecordingFiles : public FileSystem {
public:
    std::unique_ptr<File> Open(std::string_view path, OpenMode mode) override {
        if (mode == OpenMode::WriteOrCreate) opened.emplace_back(path.substr(path.rfind('\\') + 1));
        return memory.Open(path, mode);
    }
    MemoryFileSystem memory;
    std::vector<std::string> opened;
};

// Remembers which bitmaps were asked for and whether the run had begun.
class RecordingResources : public Resources {
public:
    explicit RecordingResources(const SetupState& state) : state_(state) {}
    std::span<const std::byte> Bitmap(std::uint16_t id) const override {
        requested.push_back(id);
        installingAtEveryRequest = installingAtEveryRequest && state_.bInstalling;
        return EmbeddedResources().Bitmap(id);
    }
    mutable std::vector<std::uint16_t> requested;
    mutable bool installingAtEveryRequest = true;

private:
    const SetupState& state_;
};

struct Drawing {
    std::int32_t index;
    SceneMode mode;
    float progress;
    bool pictureCurrent;
};

class RecordingInstaller : public PictureInstaller {
public:
    RecordingInstaller(SetupState& state, const Resources& resources, FileSystem& files)
        : PictureInstaller(state, resources, files, surface), state_(state) {
        surface.Create();
    }
    PictureSurface surface;
    std::vector<Drawing> drawings;

private:
    void DrawScene(std::int32_t index, SceneMode mode) override {
        drawings.push_back({index, mode, state_.fProgress, surface.HasPicture()});
    }
    SetupState& state_;
};

class InstallRunTest : public testing::Test {
protected:
    InstallRunTest() {
        state.szPicturesFolder.Assign(kFolder);
        files.memory.AddFolder(kFolder);
    }

    SetupState state;
    RecordingFiles files;
    RecordingResources resources{state};
    RecordingInstaller installer{state, resources, files};
};

TEST_F(InstallRunTest, WritesEveryPictureAndCatalogByteForByte) {
    EXPECT_TRUE(installer.InstallAllPictures().Complete());

    EXPECT_EQ(files.memory.FileNames().size(), 96u);
    for (int category = 0; category < 12; ++category) {
        std::string list;
        for (int position = 0; position < 7; ++position) {
            char text[8], name[16];
            std::snprintf(text, sizeof text, "%04d", PictureNumber(category, position));
            std::snprintf(name, sizeof name, "pi%svelk", text);
            list += text;
            const auto file = files.memory.Contents(PathOf(name));
            ASSERT_TRUE(file) << text;
            EXPECT_TRUE(*file == ExpectedPictureFile(EmbeddedResources().Bitmap(
                                     PictureResourceId(category, position))))
                << text;
        }
        EXPECT_EQ(state.aszCategoryNames[std::size_t(category)].View(), list);
        EXPECT_EQ(list.size(), 28u);
        char catalogName[16];
        std::snprintf(catalogName, sizeof catalogName, "c%02d09.txt", category);
        EXPECT_EQ(files.memory.Contents(PathOf(catalogName)), list + std::string(308, 'o'));
    }
    EXPECT_EQ(state.aszCategoryNames[11].View(), "1170117111721173117411751176");
}

TEST_F(InstallRunTest, FollowsThePlanAndWritesEachCatalogAfterItsSeventhPicture) {
    installer.InstallAllPictures();

    ASSERT_EQ(files.opened.size(), 96u);
    for (int category = 0; category < 12; ++category) {
        const std::size_t catalogAt = std::size_t(8 * category + 7);
        EXPECT_EQ(files.opened[catalogAt].front(), 'c') << category;
        EXPECT_EQ(files.opened[catalogAt - 1],
                  "pi" + files.opened[catalogAt].substr(1, 2) + "76velk");
    }
    EXPECT_EQ(files.opened.back(), "c1109.txt");

    ASSERT_EQ(resources.requested.size(), 84u);
    EXPECT_EQ(std::count(resources.requested.begin(), resources.requested.end(), 769), 0);
    EXPECT_EQ(resources.requested[20], 770);  // picture 276
    EXPECT_EQ(resources.requested[21], 771);  // picture 370
    EXPECT_EQ(resources.requested[83], 833);  // picture 1176
    EXPECT_TRUE(resources.installingAtEveryRequest);
    EXPECT_TRUE(state.bInstalling);
    EXPECT_EQ(state.nPicturesDone, 84);
}

TEST_F(InstallRunTest, DrawsEveryStepWithItsProgressFraction) {
    installer.InstallAllPictures();

    ASSERT_EQ(installer.drawings.size(), 84u);
    for (std::int32_t step = 0; step < 84; ++step) {
        const Drawing& drawing = installer.drawings[std::size_t(step)];
        EXPECT_EQ(drawing.index, step);
        EXPECT_EQ(drawing.mode, PictureStep);
        EXPECT_TRUE(drawing.pictureCurrent);
        if (step < 82) {
            EXPECT_EQ(drawing.progress, float(step) * (1.0f / 84)) << step;
        }
    }
    EXPECT_EQ(installer.drawings[0].progress, 0.0f);
    EXPECT_EQ(installer.drawings[81].progress, 0.96428573f);
    EXPECT_EQ(installer.drawings[82].progress, 0.0f);
    EXPECT_EQ(installer.drawings[83].progress, 0.0f);
    EXPECT_EQ(state.fProgress, 0.0f);
}

TEST_F(InstallRunTest, GoesOnPastFilesThatCannotBeOpenedAndNamesThem) {
    for (const char* name : {"pi0471velk", "c0709.txt"}) {
        files.memory.AddFile(PathOf(name), "kept");
        files.memory.SetReadOnly(PathOf(name));
    }
    const InstallReport report = installer.InstallAllPictures();

    EXPECT_EQ(report.skippedFiles, (std::vector<std::string>{"pi0471velk", "c0709.txt"}));
    EXPECT_FALSE(report.stoppedBy);
    EXPECT_FALSE(report.Complete());
    EXPECT_EQ(report.writtenFiles, 94u);
    EXPECT_EQ(files.memory.Contents(PathOf("pi0471velk")), "kept");
    EXPECT_EQ(state.nPicturesDone, 84);
    EXPECT_EQ(files.memory.Contents(PathOf("c1109.txt"))->size(), 336u);
}

TEST(InstallRunStopTest, StopsAtAWriteOrCloseErrorAndNamesTheFile) {
    struct Case {
        const char* what;
        void (*fault)(MemoryFileSystem&);
        std::size_t kept;  // bytes of the file that stopped the run
    };
    const Case cases[] = {
        {"disk full",
         [](MemoryFileSystem& files) {
             // Room for ten picture files and one catalog, then half of the next picture.
             files.FailWritesAfter(10 * 131328 + 336 + 65664,
                                   "There is not enough space on the disk.");
         },
         65664},
        {"close fails",
         [](MemoryFileSystem& files) {
             files.FailCloseOf(std::string(kFolder) + "\\pi0173velk",
                               "There is not enough space on the disk.");
         },
         131328},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetupState state;
        state.szPicturesFolder.Assign(kFolder);
        RecordingFiles files;
        files.memory.AddFolder(kFolder);
        c.fault(files.memory);
        RecordingResources resources{state};
        RecordingInstaller installer{state, resources, files};
        const InstallReport report = installer.InstallAllPictures();

        ASSERT_TRUE(report.stoppedBy);
        EXPECT_EQ(report.stoppedBy->fileName, "pi0173velk");
        EXPECT_EQ(report.stoppedBy->systemMessage, "There is not enough space on the disk.");
        EXPECT_EQ(report.writtenFiles, 11u);
        EXPECT_EQ(state.nPicturesDone, 10);
        EXPECT_EQ(installer.drawings.size(), 10u);
        EXPECT_EQ(files.memory.Contents(PathOf("pi0173velk"))->size(), c.kept);
        EXPECT_FALSE(files.memory.Contents(PathOf("c0109.txt")));
        EXPECT_FALSE(files.memory.Contents(PathOf("pi0174velk")));
    }
}

TEST_F(InstallRunTest, StopsAtAWriteErrorInACatalogBeforeTheNextCategory) {
    // Room for the seven pictures of the first category and part of its catalog.
    files.memory.FailWritesAfter(7 * 131328 + 100, "There is not enough space on the disk.");
    const InstallReport report = installer.InstallAllPictures();

    ASSERT_TRUE(report.stoppedBy);
    EXPECT_EQ(report.stoppedBy->fileName, "c0009.txt");
    EXPECT_EQ(report.writtenFiles, 7u);
    EXPECT_EQ(state.nPicturesDone, 7);
    EXPECT_EQ(files.memory.Contents(PathOf("c0009.txt"))->size(), 100u);
    EXPECT_FALSE(files.memory.Contents(PathOf("pi0170velk")));
}

}  // namespace
