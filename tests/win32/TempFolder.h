#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <string_view>

// A folder of its own under the user's temporary folder for one test, removed
// with everything in it afterwards.
class TempFolder {
public:
    TempFolder() {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "PlexaruSetupTest" + std::to_string(GetCurrentProcessId()) +
                "_" + std::to_string(serial_++);
        EXPECT_TRUE(CreateDirectoryA(path_.c_str(), nullptr)) << path_;
    }
    ~TempFolder() { Remove(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(std::string_view name) const { return path_ + "\\" + std::string(name); }

    std::string Write(std::string_view name, std::string_view bytes) const {
        const std::string file = *this / name;
        const HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(handle, INVALID_HANDLE_VALUE) << file;
        DWORD written = 0;
        WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(handle);
        return file;
    }

    std::string Read(std::string_view name) const {
        const std::string file = *this / name;
        const HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) return "(missing)";
        std::string bytes(GetFileSize(handle, nullptr), '\0');
        DWORD received = 0;
        ReadFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &received, nullptr);
        CloseHandle(handle);
        return bytes.substr(0, received);
    }

    std::string CreateFolder(std::string_view name) const {
        const std::string folder = *this / name;
        EXPECT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
        return folder;
    }

private:
    static void Remove(const std::string& folder) {
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                const std::string path = folder + "\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    Remove(path);
                } else {
                    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA(path.c_str());
                }
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }

    static inline int serial_ = 0;
    std::string path_;
};

// Another program's handle on a file, opened without sharing.
class HeldFile {
public:
    explicit HeldFile(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {
        EXPECT_NE(handle_, INVALID_HANDLE_VALUE) << path;
    }
    ~HeldFile() { CloseHandle(handle_); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

private:
    HANDLE handle_;
};
