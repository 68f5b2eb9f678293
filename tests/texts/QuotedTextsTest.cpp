// Every text the program shows that is fixed letter for letter, written here
// in UTF-8 and compared with the program's own bytes as the C library reads
// Windows-1251: a Latin letter standing in for a Cyrillic one, or a letter
// missing, fails here in every language.
#include <gtest/gtest.h>
#include <iconv.h>

#include <array>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "res/resource.h"
#include "tests/ui/SetupFixture.h"
#include "texts/UiTexts.h"

namespace {

constexpr std::array<const char*, 12> kEntryNames = {
    "TextTitle",   "TextExit",        "TextInstall",      "TextCancel",
    "TextIntro",   "TextDestination", "TextRequired",     "TextAvailable",
    "TextSuccess", "TextTitlesList",  "TextPictureCount", "TextAbout",
};

constexpr std::array<const char*, kUiLanguageCount> kLanguageNames = {
    "English", "Russian", "Esperanto", "Ukrainian", "Belarusian"};

// In the order of the entries above.
constexpr std::array<std::array<std::u8string_view, 12>, kUiLanguageCount> kUiTexts = {{
    // English
    {{
        u8"The additional pictures Velk King Setup",
        u8"Exit",
        u8"OK",
        u8"Cancel",
        u8"This program will install the additional pictures of the game Velk King (and others) "
        u8"onto your system.",
        u8"Dectination Folder:",
        u8"Reguired: ",
        u8"Available: ",
        u8"The additional pictures of the game Velk setup has completed successfully",
        u8"For Velk King,\r\nVelk Figures,\r\nVelk Puzzles,\r\nand others",
        u8"84 pictures.",
        u8"About",
    }},
    // Russian
    {{
        u8"Установка дополнительных картинок для игры",
        u8"Выход",
        u8"Установить",
        u8"Отмена",
        u8"Эта программа будет инсталлировать дополнительные картинки для игры Велк Королева (и "
        u8"других) на ваш компьютер.",
        u8"Директория для установки:",
        u8"Необходимо: ",
        u8"Свободно: ",
        u8"Установка дополнительных картинок для игры Велк прошла успешно!",
        u8"Для Велк Королевы,\r\nВелк Фигуры,\r\nВелк Пазлы,\r\nи других.",
        u8"Велк Королева. 84 картинки.",
        u8"О программе",
    }},
    // Esperanto
    {{
        u8"Instalo aldonbildoj de Velk King",
        u8"Forlaso",
        u8"Instalado",
        u8"Rifuzo",
        u8"La programo instaligos aldonbildoj de Velk King en via komputero.",
        u8"La teko por instalo:",
        u8"Necesas: ",
        u8"Libera: ",
        u8"La instalado de aldonbildoj la programo Velk estas sukcesa!",
        u8"For Velk King,\r\nVelk Figures,\r\nVelk Puzzles,\r\nand others",
        u8"84 aldonbildoj.",
        u8"Pri la programo",
    }},
    // Ukrainian
    {{
        u8"Установка додаткових картинок Велк Королева",
        u8"Вихід",
        u8"Установити",
        u8"Відміна",
        u8"Ця програма інсталюватиме додаткові малюнки для гри Велк Королева (і вище) на ваш "
        u8"комп'ютер.",
        u8"Директорія для установки:",
        u8"Необхідно: ",
        u8"Вільно: ",
        u8"Установка додаткових малюнків Велк пройшла успішно!",
        u8"Для Велк Королевы,\r\nВелк Фигуры,\r\nВелк Пазлы,\r\nи других.",
        u8"84 додаткових малюнки.",
        u8"Про програму",
    }},
    // Belarusian
    {{
        u8"Усталёўка дадатковых малюначкаў для гульні",
        u8"Выхад",
        u8"Усталяваць",
        u8"Адмена",
        u8"Гэтая праграма будзе інсталяваць дадатковыя малюначкі для гульні Велк Королева (и "
        u8"других) на ваш кампутар.",
        u8"Дырэкторыя для ўсталёўкі:",
        u8"Неабходна: ",
        u8"Вольна: ",
        u8"Усталёўка дадатковых малюначкаў для гульні Велк Королева прайшла паспяхова!",
        u8"Для Велк Королевы,\r\nВелк Фигуры,\r\nВелк Пазлы,\r\nи других.",
        u8"Велк Королева. 84 малюначкі.",
        u8"Аб праграме",
    }},
}};

std::array<const std::string*, 12> Entries(const UiTexts& texts) {
    return {&texts.TextTitle,      &texts.TextExit,         &texts.TextInstall,
            &texts.TextCancel,     &texts.TextIntro,        &texts.TextDestination,
            &texts.TextRequired,   &texts.TextAvailable,    &texts.TextSuccess,
            &texts.TextTitlesList, &texts.TextPictureCount, &texts.TextAbout};
}

// The bytes converted by the C library; empty with ok false when they are not
// text in that code page.
struct Converted {
    std::string text;
    bool ok = false;
};

Converted Convert(std::string_view bytes, const char* from, const char* to) {
    iconv_t converter = iconv_open(to, from);
    std::string in(bytes);
    std::string out(4 * bytes.size() + 4, '\0');
    char* inPointer = in.data();
    char* outPointer = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    const bool ok = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) != std::size_t(-1);
    iconv_close(converter);
    out.resize(out.size() - outLeft);
    return {ok ? out : std::string(), ok};
}

std::u32string CodePoints(std::string_view utf8) {
    const std::string utf32 = Convert(utf8, "UTF-8", "UTF-32LE").text;
    std::u32string points(utf32.size() / 4, U'\0');
    for (std::size_t i = 0; i < points.size(); ++i) {
        for (std::size_t b = 0; b < 4; ++b)
            points[i] |= char32_t(static_cast<unsigned char>(utf32[4 * i + b])) << (8 * b);
    }
    return points;
}

std::string Hex(char32_t point) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", unsigned(point));
    return text;
}

// Passes when the program's bytes, read as Windows-1251, are the quoted text;
// otherwise names the first character that differs.
testing::AssertionResult ShowsAsQuoted(std::u8string_view quoted, std::string_view programBytes) {
    const std::string expected(quoted.begin(), quoted.end());
    const Converted shown = Convert(programBytes, "CP1251", "UTF-8");
    if (!shown.ok) return testing::AssertionFailure() << "bytes that are not Windows-1251 text";
    if (shown.text == expected) return testing::AssertionSuccess();
    const std::u32string want = CodePoints(expected), got = CodePoints(shown.text);
    std::size_t at = 0;
    while (at < want.size() && at < got.size() && want[at] == got[at]) ++at;
    return testing::AssertionFailure()
           << "shows \"" << shown.text << "\" where \"" << expected << "\" is quoted; character "
           << at << " is " << (at < got.size() ? Hex(got[at]) : "missing") << " where "
           << (at < want.size() ? Hex(want[at]) : "nothing") << " is quoted";
}

TEST(QuotedTexts, TheTwelveInterfaceTextsOfEveryLanguage) {
    for (std::int8_t language = 0; language < kUiLanguageCount; ++language) {
        UiTexts texts;
        LoadUiTexts(texts, language);
        const auto entries = Entries(texts);
        for (std::size_t entry = 0; entry < entries.size(); ++entry) {
            EXPECT_TRUE(ShowsAsQuoted(kUiTexts[std::size_t(language)][entry], *entries[entry]))
                << kLanguageNames[std::size_t(language)] << " " << kEntryNames[entry];
        }
    }
}

class NoGameTextsTest : public SetupFixture {};

TEST_F(NoGameTextsTest, TheNotFoundScreen) {
    LoseGame();
    const MemoryDialogWindow& window = Open();
    struct Row {
        const char* where;
        std::u8string_view quoted;
        std::string shown;
    };
    const Row rows[] = {
        {"caption", u8"The additional pictures Velk King Setup", window.CaptionText()},
        {"English sentence", u8"There are no the game Velk King onto your system!",
         window.Text(IDC_INTRO)},
        {"Russian sentence", u8"Игра Велк Королева на вашем компьютере не обнаружена!",
         window.Text(IDC_DESTINATION)},
        {"button", u8"OK", window.Text(IDCANCEL)},
        {"download line", u8"Download the game Velk for free right now from web:",
         window.Text(IDC_REQUIRED)},
    };
    for (const Row& row : rows) EXPECT_TRUE(ShowsAsQuoted(row.quoted, row.shown)) << row.where;
}

// The quoted text of a statement of the resource script: the nth line of the
// resource that starts with the keyword.
std::string ResourceText(std::string_view resource, std::string_view keyword, int nth = 0) {
    std::ifstream script(RESOURCE_SCRIPT, std::ios::binary);
    bool inside = false;
    for (std::string line; std::getline(script, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with(resource)) inside = true;
        if (!inside) continue;
        if (line == "END") break;
        const std::size_t first = line.find_first_not_of(' ');
        if (first == std::string::npos || !line.substr(first).starts_with(keyword)) continue;
        if (nth-- > 0) continue;
        const std::size_t open = line.find('"');
        const std::size_t close = line.find('"', open + 1);
        if (open == std::string::npos || close == std::string::npos) return "(no quoted text)";
        return line.substr(open + 1, close - open - 1);
    }
    return "(not found)";
}

TEST(QuotedTexts, TheResourcesOfTheAboutBoxTheSystemMenuAndTheSetupWindow) {
    static_assert(IDD_ABOUTBOX == 100 && IDS_ABOUTBOX == 101 && IDD_SETUP == 102);
    struct Row {
        const char* where;
        std::u8string_view quoted;
        std::string shown;
    };
    const Row rows[] = {
        {"About box caption", u8"About Plexaru", ResourceText("IDD_ABOUTBOX", "CAPTION")},
        {"About box name and version", u8"The additional pictures Velk Setup v10.0",
         ResourceText("IDD_ABOUTBOX", "LTEXT")},
        {"About box button", u8"OK", ResourceText("IDD_ABOUTBOX", "DEFPUSHBUTTON")},
        {"string 101, the system menu's entry", u8"&About Plexaru...",
         ResourceText("STRINGTABLE", "IDS_ABOUTBOX")},
        {"setup window caption", u8"Plexaru", ResourceText("IDD_SETUP", "CAPTION")},
        {"Install button", u8"OK", ResourceText("IDD_SETUP", "DEFPUSHBUTTON")},
        {"Cancel button", u8"Cancel", ResourceText("IDD_SETUP", "PUSHBUTTON", 0)},
        {"About button", u8"About", ResourceText("IDD_SETUP", "PUSHBUTTON", 1)},
    };
    for (const Row& row : rows) EXPECT_TRUE(ShowsAsQuoted(row.quoted, row.shown)) << row.where;
}

}  // namespace
