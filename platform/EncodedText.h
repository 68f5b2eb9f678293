#pragma once

#include <cstdint>
#include <string_view>

// Which code page a text's bytes are in. The program's own tables are
// Windows-1251 (ASCII for the Latin languages); paths and the system's
// messages come from the "A" functions in the system's ANSI code page.
enum class TextEncoding : std::uint8_t {
    Cp1251,
    Ansi,
};

struct EncodedText {
    std::string_view bytes;
    TextEncoding encoding = TextEncoding::Cp1251;
};
