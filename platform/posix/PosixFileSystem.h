#pragma once

#include "platform/Files.h"

// Real files for the native build's benchmarks and tools. Backslashes in a
// path become slashes; POSIX has no counterpart of opening without sharing.
class PosixFileSystem : public FileSystem {
public:
    std::unique_ptr<File> Open(std::string_view path, OpenMode mode) override;
};
