#pragma once

#include <optional>
#include <string>
#include <vector>

std::optional<std::vector<unsigned char>> ReadWholeFile(const std::wstring& path);
bool WriteWholeFile(const std::wstring& path, const std::vector<unsigned char>& bytes);
// Creates the folder and its missing parents.
bool CreateFolders(const std::wstring& path);

struct FolderEntry {
    std::wstring name;
    unsigned long long size;
};
// The files directly in a folder, by name.
std::vector<FolderEntry> ListFiles(const std::wstring& folder);
