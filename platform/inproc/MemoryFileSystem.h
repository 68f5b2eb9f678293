#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"

// Files and folders kept in memory, with the Windows rules the program meets:
// a path leads where Windows' full path leads (WindowsPaths.h), names compare
// without case and keep the spelling they were created with, a file is
// created only in an existing folder, a path ending in a separator names no
// file, and an open file is not shared.
class MemoryFileSystem : public FileSystem {
public:
    void AddFolder(std::string_view path);
    // Adds or replaces a file; its folders come into being with it.
    void AddFile(std::string_view path, std::string_view bytes);
    void SetReadOnly(std::string_view path);
    // Another program keeps the file open without sharing.
    void HoldOpen(std::string_view path);
    // Writes fail once this many more bytes have been written (a full disk).
    void FailWritesAfter(std::size_t bytes, std::string systemMessage);
    // Reads of this file fail after it opened (a device error).
    void FailReadsOf(std::string_view path);
    // Closing this file fails once, after everything written reached it; the
    // file need not exist yet.
    void FailCloseOf(std::string_view path, std::string systemMessage);
    // Where paths without a root start; a full path, "C:\" at first.
    void SetCurrentFolder(std::string_view path);

    std::optional<std::string> Contents(std::string_view path) const;
    // Every file's full path as spelled when it was created, in order of
    // their case-folded paths.
    std::vector<std::string> FileNames() const;

    std::unique_ptr<File> Open(std::string_view path, OpenMode mode) override;

private:
    struct Entry {
        std::string path{};  // as created
        std::string bytes{};
        bool readOnly = false;
        bool open = false;
        bool failReads = false;
    };
    class OpenFile;

    std::string FullPathOf(std::string_view path) const;
    // The folders above as they were created, the last part as given.
    std::string AsSpelled(std::string_view fullPath) const;
    Entry* Find(std::string_view path);
    const Entry* Find(std::string_view path) const;
    bool HasFolder(std::string_view fullPath) const;

    // By case-folded full path.
    std::map<std::string, Entry> files_;
    std::map<std::string, std::string> folders_;        // to the path as created
    std::map<std::string, std::string> closeFailures_;  // to the system's message
    std::string currentFolder_ = "C:\\";
    std::optional<std::size_t> writeBudget_;
    std::string writeFailureMessage_;
};
