#include "tests/e2e/driver/DriveFiles.h"

#include <windows.h>

namespace {

// The system's folder holds Wine's own files, which a program under test
// never names; leaving it out keeps the listing short.
std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetWindowsDirectoryW(folder, MAX_PATH);
    return folder;
}

void AddFilesUnder(const std::wstring& folder, const std::wstring& skipped, DriveFiles& files) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = folder + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (_wcsicmp(path.c_str(), skipped.c_str()) != 0) AddFilesUnder(path, skipped, files);
        } else {
            const auto high = [](DWORD part) {
                return static_cast<unsigned long long>(part) << 32;
            };
            files[path] = {
                high(found.nFileSizeHigh) | found.nFileSizeLow,
                high(found.ftLastWriteTime.dwHighDateTime) | found.ftLastWriteTime.dwLowDateTime};
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace

DriveFiles FilesUnder(const std::wstring& folder) {
    DriveFiles files;
    AddFilesUnder(folder, SystemFolder(), files);
    return files;
}

void CheckNothingWrittenElsewhere(const std::wstring& root, const DriveFiles& before,
                                  const std::wstring& allowedFolder, Report& report) {
    constexpr int kNamed = 8;
    std::wstring written;
    int count = 0;
    for (const auto& [path, stamp] : FilesUnder(root)) {
        if (path.starts_with(allowedFolder + L"\\")) continue;
        const auto earlier = before.find(path);
        if (earlier != before.end() && earlier->second == stamp) continue;
        if (++count <= kNamed) written += path + L"; ";
    }
    report.Check(count == 0, "nothing written under " + Utf8(root) + " outside the pictures folder",
                 written);
}
