#pragma once

#include <optional>
#include <string>
#include <string_view>

// A Velk King installation as the game's installer leaves it: its key under
// Software\Kordanex, its folder with the executable and the language file,
// and the maker's common pictures folder.
struct SampleGame {
    std::wstring folder = L"C:\\Games\\Velk King";
    std::wstring executable = L"C:\\Games\\Velk King\\Velk.exe";
    std::wstring pictures = L"C:\\Kordanex\\Pictures";
};

// Installs the sample game whose language file holds the game's language
// digit ('1' English, '4' Russian, ...); false if a step failed.
bool StageGame(const SampleGame& game, char languageDigit);

// The game's language digit for an English language name ("russian" gives '4').
std::optional<char> LanguageDigit(std::string_view languageName);
