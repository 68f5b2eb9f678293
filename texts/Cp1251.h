#pragma once

#include <cstddef>
#include <string_view>

// Compile-time conversion of UTF-8 source text into Windows-1251 bytes, so the
// tables stay readable while the program carries the bytes the game uses.
namespace cp1251 {

// Code points of the bytes 0x80..0xFF; 0 marks the one byte with no character.
inline constexpr char16_t kUpperHalf[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8
};

consteval char Encode(char32_t codePoint) {
    if (codePoint < 0x80) return static_cast<char>(codePoint);
    for (int i = 0; i < 128; ++i) {
        if (kUpperHalf[i] == codePoint) return static_cast<char>(0x80 + i);
    }
    throw "character has no Windows-1251 byte";  // stops the compilation
}

template <std::size_t N>
struct Utf8Literal {
    char8_t units[N] = {};
    consteval Utf8Literal(const char8_t (&text)[N]) {
        for (std::size_t i = 0; i < N; ++i) units[i] = text[i];
    }
};

template <std::size_t N>
struct Encoded {
    char bytes[N] = {};
    std::size_t size = 0;
};

// Decodes well-formed UTF-8 of one to three bytes per character.
template <std::size_t N>
consteval Encoded<N> Convert(const Utf8Literal<N>& text) {
    Encoded<N> out;
    for (std::size_t i = 0; i + 1 < N;) {
        const unsigned lead = text.units[i];
        const int trail = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : 2;
        char32_t codePoint = trail == 0 ? lead : trail == 1 ? (lead & 0x1F) : (lead & 0x0F);
        for (int t = 1; t <= trail; ++t) codePoint = (codePoint << 6) | (text.units[i + t] & 0x3F);
        out.bytes[out.size++] = Encode(codePoint);
        i += 1 + trail;
    }
    return out;
}

template <Utf8Literal Text>
inline constexpr auto kStored = Convert(Text);

}  // namespace cp1251

// u8"Привет"_cp1251 is the Windows-1251 bytes of the text, with static storage.
template <cp1251::Utf8Literal Text>
constexpr std::string_view operator""_cp1251() {
    return {cp1251::kStored<Text>.bytes, cp1251::kStored<Text>.size};
}
