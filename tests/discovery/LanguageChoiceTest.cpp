#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "discovery/LanguageChoice.h"
#include "tests/support/InstalledGame.h"

namespace {

class LanguageChoiceTest : public testing::Test {
protected:
    // The game as discovery leaves it just before the language is chosen,
    // with neither a language file nor a "Lang" value.
    struct Game : InstalledGame {
        Game() {
            state.szGameDirectory.Assign(kGameFolder);
            state.szGameKeyPath.Assign(kGameKey);
            files.AddFile(kLanguageFile, "");
            files.HoldOpen(kLanguageFile);
        }
        void WriteLanguageFile(std::string_view bytes) { files.AddFile(kLanguageFile, bytes); }
        UiLanguage Choose() {
            ChooseLanguage(state, Environment());
            return state.nLanguage;
        }
        SetupState state;
    };
};

TEST_F(LanguageChoiceTest, TheFilesFirstByteDecidesAndLangIsNotConsulted) {
    struct Case {
        std::string firstBytes;
        UiLanguage language;
    };
    const Case cases[] = {
        {"1", English},
        {"2", English},
        {"7", English},
        {"4", Russian},
        {"6", Russian},
        {"3", Esperanto},
        {"5", Ukrainian},
        {"8", Belarusian},
        {"0", English},
        {"9", English},
        {"a", English},
        {" ", English},
        {"\xEF\xBB\xBF"
         "4",
         English},
        {std::string(1, '\0'), English},
        {"48", Russian},
        {"5\r\n", Ukrainian},
    };
    for (const Case& c : cases) {
        Game game;
        game.WriteLanguageFile(c.firstBytes);
        game.keys.SetDword(game.kGameKey, "Lang", 3);
        EXPECT_TRUE(DetectLanguageFromGame(game.state, game.files));
        EXPECT_EQ(game.Choose(), c.language) << c.firstBytes;
    }
}

TEST_F(LanguageChoiceTest, WithoutAReadableFileTheFirstByteOfLangDecides) {
    struct Case {
        const char* what;
        std::function<void(Game&)> stage;
        UiLanguage language;
    };
    const Case cases[] = {
        {"DWORD 1", [](Game& g) { g.keys.SetDword(g.kGameKey, "Lang", 1); }, Russian},
        {"DWORD 2", [](Game& g) { g.keys.SetDword(g.kGameKey, "Lang", 2); }, Esperanto},
        {"DWORD 4", [](Game& g) { g.keys.SetDword(g.kGameKey, "Lang", 4); }, Belarusian},
        {"DWORD 259", [](Game& g) { g.keys.SetDword(g.kGameKey, "Lang", 259); }, Ukrainian},
        {"DWORD 0", [](Game& g) { g.keys.SetDword(g.kGameKey, "Lang", 0); }, English},
        {"DWORD 5", [](Game& g) { g.keys.SetDword(g.kGameKey, "Lang", 5); }, English},
        {"DWORD 256", [](Game& g) { g.keys.SetDword(g.kGameKey, "Lang", 256); }, English},
        {"string holding 2", [](Game& g) { g.keys.SetString(g.kGameKey, "Lang", "2"); }, English},
        {"no Lang", [](Game&) {}, English},
        {"1024 bytes starting with 3",
         [](Game& g) { g.keys.SetValue(g.kGameKey, "Lang", "\x03" + std::string(1023, 'x')); },
         Ukrainian},
        {"1025 bytes starting with 3",
         [](Game& g) { g.keys.SetValue(g.kGameKey, "Lang", "\x03" + std::string(1024, 'x')); },
         English},
        {"empty language file",
         [](Game& g) {
             g.WriteLanguageFile("");
             g.keys.SetDword(g.kGameKey, "Lang", 2);
         },
         Esperanto},
        {"language file unreadable",
         [](Game& g) {
             g.WriteLanguageFile("4");
             g.files.FailReadsOf(g.kLanguageFile);
             g.keys.SetDword(g.kGameKey, "Lang", 2);
         },
         Esperanto},
    };
    for (const Case& c : cases) {
        Game game;
        c.stage(game);
        EXPECT_EQ(game.Choose(), c.language) << c.what;
    }
}

TEST_F(LanguageChoiceTest, AnUnreadableFileLeavesTheLanguageAlone) {
    Game game;
    game.state.nLanguage = Belarusian;
    EXPECT_FALSE(DetectLanguageFromGame(game.state, game.files));
    EXPECT_EQ(game.state.nLanguage, Belarusian);
}

TEST_F(LanguageChoiceTest, ALanguageFilePathOver259CharactersIsNotRead) {
    for (std::size_t folderLength : {243u, 244u}) {
        Game game;
        const std::string folder = "D:\\" + std::string(folderLength - 3, 'g');
        game.state.szGameDirectory.Assign(folder);
        game.files.AddFile(folder + "\\curlanguage.txt", "4");
        game.keys.SetDword(game.kGameKey, "Lang", 2);
        EXPECT_EQ(game.Choose(), folderLength == 243 ? Russian : Esperanto) << folderLength;
    }
}

}  // namespace
