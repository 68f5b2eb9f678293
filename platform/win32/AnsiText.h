#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text as the "A" functions take it, zero-terminated. Empty when the text
// holds a zero byte: the system would read only the part before it, which
// names a different key, value or file.
inline std::optional<std::string> ZeroTerminated(std::string_view text) {
    if (text.find('\0') != std::string_view::npos) return std::nullopt;
    return std::string(text);
}
