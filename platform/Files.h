#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>

// The outcome of a file operation that the system may refuse. The message is
// the system's own, for the user.
struct IoStatus {
    bool ok = true;
    std::string systemMessage;

    static IoStatus Failed(std::string message) { return {false, std::move(message)}; }
    explicit operator bool() const { return ok; }
};

// Every way of opening grants no sharing to other openers.
enum class OpenMode {
    ReadExisting,   // read access; the file must exist
    WriteOrCreate,  // write access; an existing file opens as it stands, never
                    // truncated, and a missing one is created
};

class File {
public:
    virtual ~File() = default;  // closes the file if it is still open
    // Writes every byte at the current position; fewer is a failure.
    virtual IoStatus Write(std::span<const std::byte> data) = 0;
    // Reads up to data.size() bytes; count receives how many came.
    virtual IoStatus Read(std::span<std::byte> data, std::size_t& count) = 0;
    virtual IoStatus Close() = 0;
};

// Paths are 8-bit texts with backslash separators, as the key store gives them.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Null when the file cannot be opened that way.
    virtual std::unique_ptr<File> Open(std::string_view path, OpenMode mode) = 0;
};
