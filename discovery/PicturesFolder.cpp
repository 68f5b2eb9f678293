#include "discovery/PicturesFolder.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "discovery/Probes.h"

namespace {

constexpr std::string_view kCommonKeyPath = "Software\\Kordanex\\CommonFiles";

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A drive letter, a colon and a backslash; or \\server\share, alone or
// followed by a backslash.
bool IsAbsoluteFolder(std::string_view path) {
    if (path.size() >= 3 && IsLetter(path[0]) && path[1] == ':' && path[2] == '\\') return true;
    if (!path.starts_with("\\\\")) return false;
    const std::size_t serverEnd = path.find('\\', 2);
    if (serverEnd == std::string_view::npos || serverEnd == 2) return false;
    const std::size_t shareEnd = std::min(path.find('\\', serverEnd + 1), path.size());
    return shareEnd > serverEnd + 1;
}

}  // namespace

bool ReadPicturesFolder(KeyStore& keys, PathBuffer& folder) {
    const std::optional<std::string> text = ReadRegistryText(keys, kCommonKeyPath, "Pictures");
    return text && IsAbsoluteFolder(*text) && folder.Assign(*text);
}
