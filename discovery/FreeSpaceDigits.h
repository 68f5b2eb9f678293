#pragma once

#include <string>

#include "platform/Drives.h"

// The free space in thousands of bytes, as decimal digits: free clusters
// divided by 1000 (rounded down), times sectors per cluster, times bytes per
// sector. Exact for any three 32-bit inputs, in every build.
std::string FreeSpaceDigits(const DiskFreeSpace& space);
