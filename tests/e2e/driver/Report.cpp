#include "tests/e2e/driver/Report.h"

#include <windows.h>

#include <cstdio>

std::string Utf8(std::wstring_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    std::string bytes(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), length,
                                                                   nullptr, 0, nullptr, nullptr)),
                      '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, bytes.data(),
                        static_cast<int>(bytes.size()), nullptr, nullptr);
    return bytes;
}

std::wstring Wide(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int length = static_cast<int>(utf8.size());
    std::wstring text(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, text.data(),
                        static_cast<int>(text.size()));
    return text;
}

std::string Printable(std::wstring_view text) {
    std::string shown;
    for (const char c : Utf8(text)) {
        if (c == '\r') {
            shown += "\\r";
        } else if (c == '\n') {
            shown += "\\n";
        } else {
            shown += c;
        }
    }
    return shown;
}

void Report::Check(bool passed, std::string_view what, std::wstring_view seen) {
    if (passed) {
        ++passed_;
        std::printf("  ok    %.*s\n", static_cast<int>(what.size()), what.data());
    } else {
        ++failed_;
        std::printf("  FAIL  %.*s (seen: \"%s\")\n", static_cast<int>(what.size()), what.data(),
                    Printable(seen).c_str());
    }
    std::fflush(stdout);
}

void Report::Note(std::string_view line) {
    std::printf("  %.*s\n", static_cast<int>(line.size()), line.data());
    std::fflush(stdout);
}

void Report::PrintSummary(std::string_view scenario) const {
    std::printf("%.*s: %d checks passed, %d failed\n", static_cast<int>(scenario.size()),
                scenario.data(), passed_, failed_);
    std::fflush(stdout);
}
