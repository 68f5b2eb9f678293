#include "tests/e2e/driver/SampleGame.h"

#include <windows.h>

#include <array>
#include <initializer_list>
#include <utility>

#include "tests/e2e/driver/Files.h"

namespace {

constexpr std::wstring_view kGameKey = L"Software\\Kordanex\\Velk 2.0";
constexpr std::wstring_view kCommonKey = L"Software\\Kordanex\\CommonFiles";

bool SetString(HKEY key, const wchar_t* name, std::wstring_view value) {
    const std::wstring text(value);
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          bytes) == ERROR_SUCCESS;
}

// Creates the key and sets its string values; a null name is the default value.
bool SetKey(std::wstring_view path,
            std::initializer_list<std::pair<const wchar_t*, std::wstring_view>> values) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, std::wstring(path).c_str(), 0, nullptr, 0, KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    bool ok = true;
    for (const auto& [name, value] : values) ok = SetString(key, name, value) && ok;
    RegCloseKey(key);
    return ok;
}

std::vector<unsigned char> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

}  // namespace

bool StageGame(const SampleGame& game, char languageDigit) {
    // The game key is listed only if its default value exists.
    return CreateFolders(game.folder) && CreateFolders(game.pictures) &&
           WriteWholeFile(game.executable, Bytes("MZ sample Velk King executable\r\n")) &&
           WriteWholeFile(game.folder + L"\\curlanguage.txt",
                          {static_cast<unsigned char>(languageDigit)}) &&
           SetKey(
               kGameKey,
               {{nullptr, L""}, {L"CommandLine", game.executable}, {L"Directory", game.folder}}) &&
           SetKey(kCommonKey, {{L"Pictures", game.pictures}});
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
