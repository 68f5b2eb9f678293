#include "texts/InstallFailureTexts.h"

#include <array>

#include "texts/Cp1251.h"
#include "texts/UiTexts.h"

namespace {

constexpr std::array<InstallFailureTexts, kUiLanguageCount> kFailureTexts = {{
    {
        "The installation is incomplete. These files could not be written into the pictures "
        "folder: ",
        " and ",
        " more.",
        "The installation stopped: the file ",
        " was left partly written.",
        "The files written before it stay in the pictures folder.",
        "No other file was written.",
    },
    {
        u8"Установка не завершена. Эти файлы не удалось записать в папку картинок: "_cp1251,
        u8" и ещё "_cp1251,
        ".",
        u8"Установка прервана: файл "_cp1251,
        u8" записан не полностью."_cp1251,
        u8"Файлы, записанные до него, остались в папке картинок."_cp1251,
        u8"Других файлов не записано."_cp1251,
    },
    {
        "La instalado ne estas kompleta. Ne eblis skribi cxi tiujn dosierojn en la bildan "
        "dosierujon: ",
        " kaj ",
        " pliaj.",
        "La instalado haltis: la dosiero ",
        " restas nur parte skribita.",
        "La dosieroj skribitaj antaux gxi restas en la bilda dosierujo.",
        "Neniu alia dosiero estis skribita.",
    },
    {
        u8"Установку не завершено. Ці файли не вдалося записати до теки картинок: "_cp1251,
        u8" і ще "_cp1251,
        ".",
        u8"Установку перервано: файл "_cp1251,
        u8" записано не повністю."_cp1251,
        u8"Файли, записані до нього, залишилися в теці картинок."_cp1251,
        u8"Інших файлів не записано."_cp1251,
    },
    {
        u8"Усталёўка не завершана. Гэтыя файлы не ўдалося запісаць у тэчку малюначкаў: "_cp1251,
        u8" і яшчэ "_cp1251,
        ".",
        u8"Усталёўка спынена: файл "_cp1251,
        u8" запісаны не цалкам."_cp1251,
        u8"Файлы, запісаныя да яго, засталіся ў тэчцы малюначкаў."_cp1251,
        u8"Іншых файлаў не запісана."_cp1251,
    },
}};

}  // namespace

const InstallFailureTexts& InstallFailureTextsFor(std::int8_t language) {
    if (language < 0 || language >= kUiLanguageCount) return kFailureTexts[0];
    return kFailureTexts[static_cast<std::size_t>(language)];
}
