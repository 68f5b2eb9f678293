#include "tests/e2e/driver/Files.h"

#include <windows.h>

#include <algorithm>

std::optional<std::vector<unsigned char>> ReadWholeFile(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    LARGE_INTEGER size{};
    GetFileSizeEx(file, &size);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    const bool ok = bytes.empty() || (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()),
                                               &read, nullptr) &&
                                      read == bytes.size());
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return bytes;
}

bool WriteWholeFile(const std::wstring& path, const std::vector<unsigned char>& bytes) {
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        bytes.empty() ||
        (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size());
    return CloseHandle(file) && ok;
}

bool CreateFolders(const std::wstring& path) {
    const std::size_t cut = path.find_last_of(L'\\');
    if (cut != std::wstring::npos && cut > 2) CreateFolders(path.substr(0, cut));
    return CreateDirectoryW(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

std::vector<FolderEntry> ListFiles(const std::wstring& folder) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return entries;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        entries.push_back(
            {found.cFileName,
             (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow});
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}
