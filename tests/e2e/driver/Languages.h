#pragma once

#include <string_view>

// The texts of one interface language exactly as the controls must report
// them, written here and not taken from the program.
struct LanguageTexts {
    std::wstring_view title, exit, install, cancel, intro, destination, required, available,
        success, titlesList, about;
};
extern const LanguageTexts kEnglish;
extern const LanguageTexts kRussian;
extern const LanguageTexts kEsperanto;
extern const LanguageTexts kUkrainian;
extern const LanguageTexts kBelarusian;
