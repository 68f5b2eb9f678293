#include "app/SetupApp.h"
#include "tests/ui/SetupFixture.h"

namespace {

using SetupApp = SetupFixture;

TEST_F(SetupApp, ShowsTheSetupDialogInDialogColoursAndEndsWhicheverWayItCloses) {
    struct Case {
        const char* what;
        std::function<void(MemoryDialogWindow&)> close;
    };
    const Case cases[] = {
        {"Cancel", [](MemoryDialogWindow& window) { window.Click(IDCANCEL); }},
        {"Install, then Exit",
         [](MemoryDialogWindow& window) {
             window.Click(IDOK);
             window.Paint();
             window.Click(IDCANCEL);
         }},
        {"the window's Close command",
         [](MemoryDialogWindow& window) { window.Command(IDCANCEL); }},
    };
    for (const Case& c : cases) {
        MemoryWindowSystem program;
        program.AddTemplate(IDD_SETUP, SetupTemplate());
        std::optional<std::pair<Colour, Colour>> coloursWhileOpen;
        bool closed = false;
        program.Script(IDD_SETUP, [&](MemoryDialogWindow& window) {
            coloursWhileOpen = program.dialogColours;
            c.close(window);
            closed = window.Destroyed();
        });
        SetupState freshState;
        UiTexts freshTexts;
        PictureSurface freshSurface;

        CSetupApp app;
        EXPECT_FALSE(app.InitInstance(
            {freshState, freshTexts, scene, freshSurface, program, resources, environment}))
            << c.what;

        EXPECT_EQ(program.Runs(), std::vector<int>{IDD_SETUP}) << c.what;
        EXPECT_TRUE(closed) << c.what;
        ASSERT_TRUE(coloursWhileOpen) << c.what;
        EXPECT_EQ(coloursWhileOpen->first, kWhite) << c.what;
        EXPECT_EQ(coloursWhileOpen->second, kBlack) << c.what;
    }
}

}  // namespace
