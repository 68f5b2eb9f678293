#include "texts/UiTexts.h"

#include <array>
#include <string_view>

#include "texts/Cp1251.h"

namespace {

struct TextColumn {
    std::string_view title, exit, install, cancel, intro, destination, required, available, success,
        titlesList, pictureCount, about;
};

constexpr std::string_view kLatinTitles =
    "For Velk King,\r\nVelk Figures,\r\nVelk Puzzles,\r\nand others";
constexpr std::string_view kCyrillicTitles =
    u8"Для Велк Королевы,\r\nВелк Фигуры,\r\nВелк Пазлы,\r\nи других."_cp1251;

constexpr std::array<TextColumn, kUiLanguageCount> kUiTextTable = {{
    {
        "The additional pictures Velk King Setup",
        "Exit",
        "OK",
        "Cancel",
        "This program will install the additional pictures of the game Velk King (and others) "
        "onto your system.",
        "Dectination Folder:",
        "Reguired: ",
        "Available: ",
        "The additional pictures of the game Velk setup has completed successfully",
        kLatinTitles,
        "84 pictures.",
        "About",
    },
    {
        u8"Установка дополнительных картинок для игры"_cp1251,
        u8"Выход"_cp1251,
        u8"Установить"_cp1251,
        u8"Отмена"_cp1251,
        u8"Эта программа будет инсталлировать дополнительные картинки для игры Велк Королева "
        u8"(и других) на ваш компьютер."_cp1251,
        u8"Директория для установки:"_cp1251,
        u8"Необходимо: "_cp1251,
        u8"Свободно: "_cp1251,
        u8"Установка дополнительных картинок для игры Велк прошла успешно!"_cp1251,
        kCyrillicTitles,
        u8"Велк Королева. 84 картинки."_cp1251,
        u8"О программе"_cp1251,
    },
    {
        "Instalo aldonbildoj de Velk King",
        "Forlaso",
        "Instalado",
        "Rifuzo",
        "La programo instaligos aldonbildoj de Velk King en via komputero.",
        "La teko por instalo:",
        "Necesas: ",
        "Libera: ",
        "La instalado de aldonbildoj la programo Velk estas sukcesa!",
        kLatinTitles,
        "84 aldonbildoj.",
        "Pri la programo",
    },
    {
        u8"Установка додаткових картинок Велк Королева"_cp1251,
        u8"Вихід"_cp1251,
        u8"Установити"_cp1251,
        u8"Відміна"_cp1251,
        u8"Ця програма інсталюватиме додаткові малюнки для гри Велк Королева (і вище) на ваш "
        u8"комп'ютер."_cp1251,
        u8"Директорія для установки:"_cp1251,
        u8"Необхідно: "_cp1251,
        u8"Вільно: "_cp1251,
        u8"Установка додаткових малюнків Велк пройшла успішно!"_cp1251,
        kCyrillicTitles,
        u8"84 додаткових малюнки."_cp1251,
        u8"Про програму"_cp1251,
    },
    {
        u8"Усталёўка дадатковых малюначкаў для гульні"_cp1251,
        u8"Выхад"_cp1251,
        u8"Усталяваць"_cp1251,
        u8"Адмена"_cp1251,
        u8"Гэтая праграма будзе інсталяваць дадатковыя малюначкі для гульні Велк Королева "
        u8"(и других) на ваш кампутар."_cp1251,
        u8"Дырэкторыя для ўсталёўкі:"_cp1251,
        u8"Неабходна: "_cp1251,
        u8"Вольна: "_cp1251,
        u8"Усталёўка дадатковых малюначкаў для гульні Велк Королева прайшла паспяхова!"_cp1251,
        kCyrillicTitles,
        u8"Велк Королева. 84 малюначкі."_cp1251,
        u8"Аб праграме"_cp1251,
    },
}};

}  // namespace

void LoadUiTexts(UiTexts& current, std::int8_t language) {
    if (language < 0 || language >= kUiLanguageCount) return;
    const TextColumn& column = kUiTextTable[static_cast<std::size_t>(language)];
    current.TextTitle = column.title;
    current.TextExit = column.exit;
    current.TextInstall = column.install;
    current.TextCancel = column.cancel;
    current.TextIntro = column.intro;
    current.TextDestination = column.destination;
    current.TextRequired = column.required;
    current.TextAvailable = column.available;
    current.TextSuccess = column.success;
    current.TextTitlesList = column.titlesList;
    current.TextPictureCount = column.pictureCount;
    current.TextAbout = column.about;
}
