#include "platform/inproc/WindowsPaths.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::vector<std::string_view> PartsOf(std::string_view text) {
    std::vector<std::string_view> parts;
    while (!text.empty()) {
        const auto end = std::ranges::find_if(text, IsSeparator);
        const std::size_t length = std::size_t(end - text.begin());
        if (length > 0) parts.push_back(text.substr(0, length));
        text.remove_prefix(std::min(length + 1, text.size()));
    }
    return parts;
}

bool IsUnc(std::string_view path) {
    return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

bool HasDrive(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' && !IsSeparator(path[0]);
}

// The root of a full path and the length of the text it takes.
std::size_t RootLength(std::string_view fullPath) {
    if (!IsUnc(fullPath)) return std::min<std::size_t>(3, fullPath.size());
    // "\\server\share": the two parts after the leading separators.
    std::size_t at = 2;
    for (int part = 0; part < 2 && at < fullPath.size(); ++part) {
        at = std::min(fullPath.find('\\', at + (part == 0 ? 0 : 1)), fullPath.size());
    }
    return at;
}

}  // namespace

std::string FullPath(std::string_view path, std::string_view currentFolder) {
    const std::string_view currentRoot = currentFolder.substr(0, RootLength(currentFolder));
    if (!IsUnc(path) && !HasDrive(path)) {
        const bool rooted = !path.empty() && IsSeparator(path[0]);
        return FullPath(
            std::string(rooted ? currentRoot : currentFolder) + "\\" + std::string(path),
            currentFolder);
    }
    std::vector<std::string_view> parts = PartsOf(path.substr(2));
    std::string full;
    if (IsUnc(path)) {
        // The server and the share belong to the root.
        const std::size_t rootParts = std::min<std::size_t>(2, parts.size());
        for (std::size_t i = 0; i < rootParts; ++i)
            full.append(i == 0 ? "\\\\" : "\\").append(parts[i]);
        parts.erase(parts.begin(), parts.begin() + std::ptrdiff_t(rootParts));
    } else if (path.size() == 2 || !IsSeparator(path[2])) {
        // Drive-relative.
        const bool currentDrive =
            CaseFolded(path.substr(0, 2)) == CaseFolded(currentFolder.substr(0, 2));
        const std::string from =
            currentDrive ? std::string(currentFolder) : std::string(path, 0, 2);
        return FullPath(from + "\\" + std::string(path.substr(2)), currentFolder);
    } else {
        full.append(path.substr(0, 2)).append("\\");
    }
    std::vector<std::string_view> kept;
    for (std::string_view part : parts) {
        if (part == ".") continue;
        if (part == "..") {
            if (!kept.empty()) kept.pop_back();
            continue;
        }
        kept.push_back(part);
    }
    for (std::string_view part : kept) {
        if (full.back() != '\\') full += '\\';
        full += part;
    }
    return full;
}

std::string CaseFolded(std::string_view fullPath) {
    std::string folded(fullPath);
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

std::string_view ParentFolder(std::string_view fullPath) {
    const std::size_t root = RootLength(fullPath);
    if (fullPath.size() <= root) return {};
    return fullPath.substr(0, std::max(root, fullPath.rfind('\\')));
}
