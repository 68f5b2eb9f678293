#include <string>
#include <vector>

#include "install/InstallPlan.h"
#include "tests/ui/SetupFixture.h"
#include "texts/Cp1251.h"

namespace {

using Calls = std::vector<std::string>;

const Calls kFrame = {"select pen 2 #000000", "move 266,7", "line 623,7", "line 623,448",
                      "line 266,448"};

Calls WithFrame(const Calls& rest) {
    Calls calls = kFrame;
    calls.insert(calls.end(), rest.begin(), rest.end());
    return calls;
}

// The colour of a picture's top-left pixel, as the recordings name it.
std::string PictureColour(int step) {
    PictureSurface picture;
    picture.Create();
    picture.MakeCurrent(EmbeddedResources().Bitmap(
        PictureResourceId(step / kPicturesPerCategory, step % kPicturesPerCategory)));
    const std::uint32_t rgb = picture.GetPixel(0, 0);
    return ColourText({static_cast<std::uint8_t>(rgb), static_cast<std::uint8_t>(rgb >> 8),
                       static_cast<std::uint8_t>(rgb >> 16)});
}

using SetupSceneTest = SetupFixture;

TEST_F(SetupSceneTest, EveryDrawingOfTheRunBeginsWithTheFrame) {
    MemoryDialogWindow& window = Install();

    ASSERT_EQ(window.Drawings().size(), 85u) << "84 picture steps and the bar's clearing";
    for (const Calls& calls : window.Drawings()) {
        ASSERT_GE(calls.size(), kFrame.size());
        EXPECT_EQ(Calls(calls.begin(), calls.begin() + 5), kFrame);
    }
}

struct StepCase {
    int step;
    const char* thumbnail;
    const char* bar;
};

class PictureStepTest : public SetupFixture, public testing::WithParamInterface<StepCase> {};

TEST_P(PictureStepTest, ThumbnailAndBarLandWhereTheStepPutsThem) {
    MemoryDialogWindow& window = Install();
    const StepCase& c = GetParam();
    EXPECT_EQ(window.Drawings()[static_cast<std::size_t>(c.step)],
              WithFrame({std::string("thumbnail ") + c.thumbnail + " of " + PictureColour(c.step),
                         std::string("fill ") + c.bar + " brush #ff0000"}));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, PictureStepTest,
    testing::Values(StepCase{0, "5,5-42,42", "291,280-291,290"},          // nothing to fill yet
                    StepCase{1, "42,5-79,42", "291,280-294,290"},         // 3 pixels
                    StepCase{6, "227,5-264,42", "291,280-313,290"},       // 22
                    StepCase{7, "5,42-42,79", "291,280-316,290"},         // a new row
                    StepCase{42, "5,227-42,264", "291,280-446,290"},      // half: 155
                    StepCase{81, "153,412-190,449", "291,280-589,290"},   // 298
                    StepCase{82, "190,412-227,449", "291,280-291,290"}),  // the bar stays
    [](const testing::TestParamInfo<StepCase>& step) { return std::to_string(step.param.step); });

TEST_F(SetupSceneTest, TheLastThumbnailFillsTheGridAndTheStripIsCleared) {
    MemoryDialogWindow& window = Install();
    EXPECT_EQ(window.Drawings()[83][5], "thumbnail 227,412-264,449 of " + PictureColour(83));
    EXPECT_EQ(window.Drawings()[84], WithFrame({"fill 291,280-611,290 brush #ffffff"}));
    EXPECT_EQ(state.nThumbRowOffset, 12 * 37);
}

TEST_F(SetupSceneTest, ARepaintDrawsTheHeaderLinesAndTheBadge) {
    SetGameLanguage(Russian);
    MemoryDialogWindow& window = Open();
    window.Paint();

    ASSERT_EQ(window.Drawings().size(), 1u);
    EXPECT_EQ(window.Drawings()[0],
              WithFrame({
                  "select font MS Sans Serif 10x10 700",
                  "text colour #000000",
                  "text 440,115 '" +
                      std::string(u8"Установка дополнительных картинок для игры"_cp1251) + "'",
                  "text 445,132 '" + std::string(u8"Велк Королева. 84 картинки."_cp1251) + "'",
                  "text colour #ff0000",
                  "select font MS Sans Serif 40x40 700",
                  "text 575,58 '10'",
                  "select pen 3 #ff0000",
                  "select hollow brush",
                  "ellipse 550,50-600,100",
              }));
}

TEST_F(SetupSceneTest, WithoutTextsTheHeaderLinesAreEmptyAndTheBadgeStays) {
    LoseGame();
    MemoryDialogWindow& window = Open();
    window.Paint();

    const Calls& calls = window.Drawings().at(0);
    EXPECT_EQ(calls[7], "text 440,115 ''");
    EXPECT_EQ(calls[8], "text 445,132 ''");
    EXPECT_EQ(calls[11], "text 575,58 '10'");
}

struct FontCase {
    std::set<std::string> faces;
    Calls requests;
    const char* headerSelection;  // empty: the surface's own font
};

class SceneFontTest : public SetupFixture, public testing::WithParamInterface<FontCase> {};

TEST_P(SceneFontTest, FontsFallBackToHelvThenToTheSurfacesFont) {
    drawing.faces = GetParam().faces;
    MemoryDialogWindow& window = Open();
    window.Paint();

    EXPECT_EQ(drawing.fontRequests, GetParam().requests);
    EXPECT_EQ(window.Drawings().at(0)[5], GetParam().headerSelection);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, SceneFontTest,
    testing::Values(
        FontCase{{"MS Sans Serif", "Helv"},
                 {"MS Sans Serif", "MS Sans Serif"},
                 "select font MS Sans Serif 10x10 700"},
        FontCase{{"Helv"},
                 {"MS Sans Serif", "Helv", "MS Sans Serif", "Helv"},
                 "select font Helv 10x10 700"},
        FontCase{{}, {"MS Sans Serif", "Helv", "MS Sans Serif", "Helv"}, "text colour #000000"}));

TEST_F(SetupSceneTest, AnUnknownModeDrawsTheFrameOnly) {
    MemoryDialogWindow& window = Open();
    dialog.DrawScene(5, static_cast<SceneMode>(3));
    EXPECT_EQ(window.Drawings().back(), kFrame);
}

TEST_F(SetupSceneTest, TheRowFollowsTheCallsNotTheIndex) {
    MemoryDialogWindow& window = Open();
    surface.MakeCurrent(EmbeddedResources().Bitmap(749));
    dialog.DrawScene(3, PictureStep);
    EXPECT_EQ(window.Drawings().back()[5], "thumbnail 116,-32-153,5 of " + PictureColour(0));
}

TEST_F(SetupSceneTest, DestroyingTheWindowReleasesEveryDrawingObjectInOrder) {
    MemoryDialogWindow& window = Open();
    window.Close();

    EXPECT_EQ(drawing.released,
              (Calls{"brush #ff0000", "brush #ffffff", "font MS Sans Serif 10x10 700",
                     "font MS Sans Serif 40x40 700", "pen 3 #ff0000", "pen 2 #000000"}));
    EXPECT_FALSE(surface.Exists());
}

TEST_F(SetupSceneTest, AMinimizedWindowPaintsOnlyItsIconInTheMiddle) {
    MemoryDialogWindow& window = Open();
    window.minimized = true;
    window.clientSize = {160, 31};
    window.Paint();
    EXPECT_EQ(window.Drawings().back(), Calls{"icon 128 at 64,0"});
}

}  // namespace
