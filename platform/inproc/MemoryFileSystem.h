#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"

// Files and folders kept in memory, with the Windows rules the program meets:
// names compare without case, repeated backslashes read as one, a file is
// created only in an existing folder, a path ending in a backslash names no
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

    std::optional<std::string> Contents(std::string_view path) const;
    std::vector<std::string> FileNames() const;  // normalized paths, sorted

    std::unique_ptr<File> Open(std::string_view path, OpenMode mode) override;

private:
    struct Entry {
        std::string bytes;
        bool readOnly = false;
        bool open = false;
        bool failReads = false;
    };
    class OpenFile;

    static std::string Normalize(std::string_view path);
    static std::string ParentOf(const std::string& normalized);
    Entry* Find(std::string_view path);

    std::map<std::string, Entry> files_;
    std::set<std::string> folders_;
    std::optional<std::size_t> writeBudget_;
    std::string writeFailureMessage_;
};
