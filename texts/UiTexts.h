#pragma once

#include <cstdint>
#include <string>

#include "texts/UiLanguage.h"

// The interface texts of the current language: 8-bit, Cyrillic ones in
// Windows-1251. Empty until a language is loaded.
struct UiTexts {
    std::string TextTitle;
    std::string TextExit;
    std::string TextInstall;
    std::string TextCancel;
    std::string TextIntro;
    std::string TextDestination;
    std::string TextRequired;
    std::string TextAvailable;
    std::string TextSuccess;
    std::string TextTitlesList;
    std::string TextPictureCount;
    std::string TextAbout;
};

inline constexpr int kUiLanguageCount = 5;

// Loads the texts of a language 0..4; any other value leaves them as they are.
void LoadUiTexts(UiTexts& current, std::int8_t language);
