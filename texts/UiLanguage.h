#pragma once

#include <cstdint>

enum UiLanguage : std::int8_t {
    English = 0,
    Russian = 1,
    Esperanto = 2,
    Ukrainian = 3,
    Belarusian = 4,
};
