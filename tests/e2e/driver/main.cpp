// Drives setup.exe from inside the same Wine prefix: stages a game, reads the
// setup window's controls, presses its buttons and checks what it wrote.

#include <cstdio>
#include <string>
#include <string_view>

#include "tests/e2e/driver/Report.h"
#include "tests/e2e/driver/Scenarios.h"

namespace {

constexpr const char* kUsage =
    "usage: e2e_driver scenario NAME SETUP_EXE BITMAP_FOLDER OUTPUT"
    "   (NAME as in tests/e2e/CMakeLists.txt)\n"
    "       e2e_driver demo english|russian|esperanto|ukrainian|belarusian SETUP_EXE OUTPUT "
    "[interactive]\n"
    "       e2e_driver measure SETUP_EXE BITMAP_FOLDER ROUNDS\n";

int Usage() {
    std::fputs(kUsage, stderr);
    return 100;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return Usage();
    const std::string command = Utf8(argv[1]);
    int failures = -1;
    if (command == "scenario" && argc == 6) {
        failures = RunScenario(Utf8(argv[2]), {argv[3], argv[4], argv[5]});
    } else if (command == "demo" && (argc == 5 || argc == 6)) {
        const bool interactive = argc == 6 && std::wstring_view(argv[5]) == L"interactive";
        failures = RunDemo(Utf8(argv[2]), {argv[3], L"", argv[4]}, interactive);
    } else if (command == "measure" && argc == 5) {
        failures = RunMeasurement({argv[2], argv[3], L""}, std::stoi(argv[4]));
    }
    if (failures < 0) return Usage();
    return failures == 0 ? 0 : 1;
}
