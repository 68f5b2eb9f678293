#include "tests/e2e/driver/Languages.h"

// The Cyrillic letters are Cyrillic throughout: a Latin look-alike in a
// label is a fault these catch.
const LanguageTexts kEnglish = {
    .title = L"The additional pictures Velk King Setup",
    .exit = L"Exit",
    .install = L"OK",
    .cancel = L"Cancel",
    .intro =
        L"This program will install the additional pictures of the game Velk King (and others) "
        L"onto your system.",
    .destination = L"Dectination Folder:",
    .required = L"Reguired: ",
    .available = L"Available: ",
    .success = L"The additional pictures of the game Velk setup has completed successfully",
    .titlesList = L"For Velk King,\r\nVelk Figures,\r\nVelk Puzzles,\r\nand others",
    .about = L"About",
};

const LanguageTexts kRussian = {
    .title = L"Установка дополнительных картинок для игры",
    .exit = L"Выход",
    .install = L"Установить",
    .cancel = L"Отмена",
    .intro =
        L"Эта программа будет инсталлировать дополнительные картинки для игры Велк Королева (и "
        L"других) на ваш компьютер.",
    .destination = L"Директория для установки:",
    .required = L"Необходимо: ",
    .available = L"Свободно: ",
    .success = L"Установка дополнительных картинок для игры Велк прошла успешно!",
    .titlesList = L"Для Велк Королевы,\r\nВелк Фигуры,\r\nВелк Пазлы,\r\nи других.",
    .about = L"О программе",
};

const LanguageTexts kEsperanto = {
    .title = L"Instalo aldonbildoj de Velk King",
    .exit = L"Forlaso",
    .install = L"Instalado",
    .cancel = L"Rifuzo",
    .intro = L"La programo instaligos aldonbildoj de Velk King en via komputero.",
    .destination = L"La teko por instalo:",
    .required = L"Necesas: ",
    .available = L"Libera: ",
    .success = L"La instalado de aldonbildoj la programo Velk estas sukcesa!",
    .titlesList = L"For Velk King,\r\nVelk Figures,\r\nVelk Puzzles,\r\nand others",
    .about = L"Pri la programo",
};

const LanguageTexts kUkrainian = {
    .title = L"Установка додаткових картинок Велк Королева",
    .exit = L"Вихід",
    .install = L"Установити",
    .cancel = L"Відміна",
    .intro =
        L"Ця програма інсталюватиме додаткові малюнки для гри Велк Королева (і вище) на ваш "
        L"комп'ютер.",
    .destination = L"Директорія для установки:",
    .required = L"Необхідно: ",
    .available = L"Вільно: ",
    .success = L"Установка додаткових малюнків Велк пройшла успішно!",
    .titlesList = L"Для Велк Королевы,\r\nВелк Фигуры,\r\nВелк Пазлы,\r\nи других.",
    .about = L"Про програму",
};

const LanguageTexts kBelarusian = {
    .title = L"Усталёўка дадатковых малюначкаў для гульні",
    .exit = L"Выхад",
    .install = L"Усталяваць",
    .cancel = L"Адмена",
    .intro =
        L"Гэтая праграма будзе інсталяваць дадатковыя малюначкі для гульні Велк Королева (и "
        L"других) на ваш кампутар.",
    .destination = L"Дырэкторыя для ўсталёўкі:",
    .required = L"Неабходна: ",
    .available = L"Вольна: ",
    .success = L"Усталёўка дадатковых малюначкаў для гульні Велк Королева прайшла паспяхова!",
    .titlesList = L"Для Велк Королевы,\r\nВелк Фигуры,\r\nВелк Пазлы,\r\nи других.",
    .about = L"Аб праграме",
};
