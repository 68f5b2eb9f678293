#include "platform/win32/Win32Text.h"

#include <windows.h>

namespace {

constexpr UINT kCyrillicCodePage = 1251;

}  // namespace

std::wstring Widen(std::span<const EncodedText> pieces) {
    std::wstring wide;
    for (const EncodedText& piece : pieces) {
        if (piece.bytes.empty()) continue;
        const UINT codePage = piece.encoding == TextEncoding::Cp1251 ? kCyrillicCodePage : CP_ACP;
        const int length = static_cast<int>(piece.bytes.size());
        const int count = MultiByteToWideChar(codePage, 0, piece.bytes.data(), length, nullptr, 0);
        const std::size_t start = wide.size();
        wide.resize(start + static_cast<std::size_t>(count));
        MultiByteToWideChar(codePage, 0, piece.bytes.data(), length, wide.data() + start, count);
    }
    return wide;
}
