#pragma once

#include "platform/Files.h"

// Files through kernel32's CreateFileA, never shared with other openers.
// Only disk files open: a folder, or a device name such as NUL or CON, does
// not. A read-only file does not open for writing.
class Win32FileSystem : public FileSystem {
public:
    std::unique_ptr<File> Open(std::string_view path, OpenMode mode) override;
};
