#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "platform/Files.h"

// The folder every output file goes to.
struct OutputFolder {
    FileSystem& files;
    std::string_view path;
};

enum class WriteStatus {
    Written,
    Skipped,  // nothing written: the file could not be opened, its path is too long,
              // or there was nothing fit to write
    Failed,   // the system refused the bytes; part of them may have reached the file
};

struct WriteResult {
    WriteStatus status = WriteStatus::Written;
    std::string systemMessage;  // for Failed
};

// Writes data from the start of folder\name: an existing file is overwritten in
// place (a longer one keeps its tail), a missing one is created.
WriteResult WriteOutputFile(const OutputFolder& folder, std::string_view name,
                            std::span<const std::byte> data);
