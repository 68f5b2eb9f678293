#pragma once

#include <map>
#include <string>

#include "tests/e2e/driver/Report.h"

// Every file under a folder and its subfolders but the system's folder, by
// full path, with its size and last write time: taken before and after a
// run, it shows what the run wrote.
struct FileStamp {
    unsigned long long size = 0;
    unsigned long long written = 0;
    bool operator==(const FileStamp&) const = default;
};
using DriveFiles = std::map<std::wstring, FileStamp>;

DriveFiles FilesUnder(const std::wstring& folder);

// Checks that no file under `root` was created or changed since `before` was
// taken there, except in `allowedFolder`.
void CheckNothingWrittenElsewhere(const std::wstring& root, const DriveFiles& before,
                                  const std::wstring& allowedFolder, Report& report);
