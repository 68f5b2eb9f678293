#pragma once

#include <cstddef>
#include <string_view>

// A zero-terminated character buffer of fixed size. Texts that would not fit
// are refused whole: a cut path could name a different file.
template <std::size_t Size>
class CharBuffer {
public:
    static constexpr std::size_t kCapacity = Size - 1;  // characters, without the terminator

    constexpr CharBuffer() = default;
    constexpr explicit CharBuffer(std::string_view text) { Assign(text); }

    constexpr bool Assign(std::string_view text) {
        if (text.size() > kCapacity) return false;
        bytes_[0] = '\0';
        return Append(text);
    }

    constexpr bool Append(std::string_view text) {
        std::size_t length = size();
        if (text.size() > kCapacity - length) return false;
        for (char c : text) bytes_[length++] = c;
        bytes_[length] = '\0';
        return true;
    }

    // Up to the first zero byte, as the platform's C strings read it.
    constexpr std::string_view View() const { return std::string_view(bytes_); }
    constexpr const char* c_str() const { return bytes_; }
    constexpr std::size_t size() const { return View().size(); }
    constexpr bool empty() const { return bytes_[0] == '\0'; }

private:
    char bytes_[Size] = {};
};
