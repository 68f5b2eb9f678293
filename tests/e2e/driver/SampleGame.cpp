#include "tests/e2e/driver/SampleGame.h"

#include <array>
#include <utility>

#include "tests/e2e/driver/Files.h"
#include "tests/e2e/driver/Registry.h"

namespace {

constexpr std::wstring_view kGameKey = L"Software\\Kordanex\\Velk 2.0";
constexpr std::wstring_view kCommonKey = L"Software\\Kordanex\\CommonFiles";

std::vector<unsigned char> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

}  // namespace

bool StageGame(const SampleGame& game, char languageDigit) {
    // The game key is listed only if its default value exists.
    return CreateFolders(game.folder) && CreateFolders(game.pictures) &&
           WriteWholeFile(game.executable, Bytes("MZ sample Velk King executable\r\n")) &&
           WriteWholeFile(game.folder + L"\\curlanguage.txt",
                          {static_cast<unsigned char>(languageDigit)}) &&
           SetUserStrings(
               kGameKey,
               {{nullptr, L""}, {L"CommandLine", game.executable}, {L"Directory", game.folder}}) &&
           SetUserStrings(kCommonKey, {{L"Pictures", game.pictures}});
}

std::optional<char> LanguageDigit(std::string_view languageName) {
    static constexpr std::array<std::pair<std::string_view, char>, 5> kLanguages = {{
        {"english", '1'},
        {"russian", '4'},
        {"esperanto", '3'},
        {"ukrainian", '5'},
        {"belarusian", '8'},
    }};
    for (const auto& [name, digit] : kLanguages) {
        if (name == languageName) return digit;
    }
    return std::nullopt;
}
