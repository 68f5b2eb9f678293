#pragma once

#include <string>
#include <string_view>

// Where the driver finds setup.exe and the embedded bitmaps, and where it
// leaves its screenshots and lists (Windows paths).
struct DriverPaths {
    std::wstring setupExe;
    std::wstring bitmaps;
    std::wstring output;
};

// Each answers the number of failed checks, or -1 for an unknown name.
int RunScenario(std::string_view name, const DriverPaths& paths);
int RunDemo(std::string_view language, const DriverPaths& paths, bool interactive);
int RunMeasurement(const DriverPaths& paths, int rounds);
