#include <gtest/gtest.h>
#include <iconv.h>

#include <array>
#include <string>
#include <vector>

#include "texts/Cp1251.h"
#include "texts/UiTexts.h"

namespace {

std::vector<const std::string*> Entries(const UiTexts& texts) {
    return {&texts.TextTitle,      &texts.TextExit,         &texts.TextInstall,
            &texts.TextCancel,     &texts.TextIntro,        &texts.TextDestination,
            &texts.TextRequired,   &texts.TextAvailable,    &texts.TextSuccess,
            &texts.TextTitlesList, &texts.TextPictureCount, &texts.TextAbout};
}

UiTexts Loaded(std::int8_t language) {
    UiTexts texts;
    LoadUiTexts(texts, language);
    return texts;
}

// What the C library's own Windows-1251 table makes of a byte, as UTF-8.
std::string SystemDecoding(unsigned char byte) {
    iconv_t converter = iconv_open("UTF-8", "CP1251");
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inPointer = in;
    char* outPointer = out;
    std::size_t inLeft = 1, outLeft = sizeof out;
    const bool converted =
        iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) != std::size_t(-1);
    iconv_close(converter);
    return converted ? std::string(out) : std::string();
}

std::string Utf8Of(char16_t codePoint) {
    std::string text;
    if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | (codePoint >> 6));
    } else {
        text += static_cast<char>(0xE0 | (codePoint >> 12));
        text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    }
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
    return text;
}

TEST(Cp1251, EveryUpperHalfByteMatchesTheSystemsTable) {
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        const char16_t codePoint = cp1251::kUpperHalf[byte - 0x80];
        EXPECT_EQ(codePoint ? Utf8Of(codePoint) : std::string(),
                  SystemDecoding(static_cast<unsigned char>(byte)))
            << std::hex << byte;
    }
}

TEST(UiTexts, CyrillicTextsAreWindows1251Bytes) {
    EXPECT_EQ(Loaded(Russian).TextExit, "\xC2\xFB\xF5\xEE\xE4");                       // Выход
    EXPECT_EQ(Loaded(Ukrainian).TextExit, "\xC2\xE8\xF5\xB3\xE4");                     // Вихід
    EXPECT_EQ(Loaded(Belarusian).TextExit, "\xC2\xFB\xF5\xE0\xE4");                    // Выхад
    EXPECT_EQ(Loaded(Belarusian).TextTitle.substr(0, 6), "\xD3\xF1\xF2\xE0\xEB\xB8");  // Усталё
    EXPECT_EQ(Loaded(Belarusian).TextTitle.substr(6, 1), "\xA2");                      // ў
}

TEST(UiTexts, StartEmptyAndIgnoreLanguagesOutsideTheTable) {
    UiTexts texts;
    for (const std::string* entry : Entries(texts)) EXPECT_TRUE(entry->empty());
    for (std::int8_t language : {std::int8_t{5}, std::int8_t{-1}, std::int8_t{127}}) {
        LoadUiTexts(texts, language);
        for (const std::string* entry : Entries(texts))
            EXPECT_TRUE(entry->empty()) << int(language);
    }
    LoadUiTexts(texts, Russian);
    LoadUiTexts(texts, 5);
    EXPECT_EQ(texts.TextTitle, Loaded(Russian).TextTitle);
}

TEST(UiTexts, EveryLanguageKeepsTheSharedShapeOfItsTexts) {
    for (std::int8_t language = 0; language < kUiLanguageCount; ++language) {
        const UiTexts texts = Loaded(language);
        for (const std::string* entry : Entries(texts))
            EXPECT_FALSE(entry->empty()) << int(language);
        for (const std::string* spaced : {&texts.TextRequired, &texts.TextAvailable}) {
            EXPECT_EQ(spaced->back(), ' ') << int(language);
            EXPECT_NE((*spaced)[spaced->size() - 2], ' ') << int(language);
        }
        std::size_t breaks = 0;
        for (std::size_t at = texts.TextTitlesList.find("\r\n"); at != std::string::npos;
             at = texts.TextTitlesList.find("\r\n", at + 2)) {
            ++breaks;
        }
        EXPECT_EQ(breaks, 3u) << int(language);
    }
    EXPECT_EQ(Loaded(English).TextTitle, "The additional pictures Velk King Setup");
    EXPECT_EQ(Loaded(Esperanto).TextTitlesList, Loaded(English).TextTitlesList);
    EXPECT_EQ(Loaded(Ukrainian).TextTitlesList, Loaded(Russian).TextTitlesList);
    EXPECT_EQ(Loaded(Belarusian).TextTitlesList, Loaded(Russian).TextTitlesList);
}

}  // namespace
