#include "tests/e2e/driver/PixelCheck.h"

bool AllPassed(const PixelChecks& checks) {
    for (const PixelCheck& check : checks) {
        if (!check.miss.empty()) return false;
    }
    return true;
}

void ReportChecks(const PixelChecks& checks, std::string_view screen, Report& report) {
    for (const PixelCheck& check : checks) {
        report.Check(check.miss.empty(), std::string(screen) + ": " + check.what, Wide(check.miss));
    }
}

std::string PixelShown(int x, int y, Rgb colour) {
    return "pixel (" + std::to_string(x) + "," + std::to_string(y) + ") is " + Shown(colour);
}
