#pragma once

#include <cstddef>

#include "install/PictureInstaller.h"
#include "texts/InstallFailureTexts.h"
#include "ui/ComposedText.h"

// So many names of files not written are listed; the rest are counted.
inline constexpr std::size_t kListedFileCount = 8;

// The finished window's report of a run that left files unwritten: the file
// and system message that stopped it, and the files it skipped.
ComposedText DescribeFailure(const InstallReport& report, const InstallFailureTexts& texts);
