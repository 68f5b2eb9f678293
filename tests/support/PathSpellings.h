#pragma once

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

// Ways of writing the path of the file "c0009.txt" in a folder, and whether
// Windows opens that file by them. The folder is a full path with a drive
// letter, without a separator at its end, and is the current folder.
struct PathSpelling {
    const char* what;
    std::string path;
    bool sameFile;
};

inline std::vector<PathSpelling> SpellingsOfAFileIn(const std::string& folder) {
    const std::string drive = folder.substr(0, 2);  // "D:"
    const std::string below = folder.substr(3);     // after "D:\"
    std::string slashes = folder;
    std::ranges::replace(slashes, '\\', '/');
    std::string upper = folder;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return {
        {"as written", folder + "\\c0009.txt", true},
        {"two separators", folder + "\\\\c0009.txt", true},
        {"three separators", folder + "\\\\\\c0009.txt", true},
        {"two separators after the drive", drive + "\\\\" + below + "\\c0009.txt", true},
        {"forward slashes", slashes + "/c0009.txt", true},
        {"other case", upper + "\\C0009.TXT", true},
        {"a dot", folder + "\\.\\c0009.txt", true},
        {"a missing folder and two dots", folder + "\\Missing\\..\\c0009.txt", true},
        {"relative", "c0009.txt", true},
        {"drive-relative", drive + "c0009.txt", true},
        {"from the drive's root", "\\" + below + "\\c0009.txt", true},
        {"a separator at the end", folder + "\\c0009.txt\\", false},
        {"two separators first: a server's share", "\\\\" + below + "\\c0009.txt", false},
        {"another folder", folder + "\\Other\\c0009.txt", false},
    };
}
