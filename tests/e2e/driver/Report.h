#pragma once

#include <string>
#include <string_view>

// The checks of one scenario: every check is printed, a failure with what was
// seen, and the count of failures becomes the driver's exit code.
class Report {
public:
    void Check(bool passed, std::string_view what, std::wstring_view seen = {});
    void Note(std::string_view line);
    void PrintSummary(std::string_view scenario) const;
    int Failures() const { return failed_; }

private:
    int passed_ = 0;
    int failed_ = 0;
};

std::string Utf8(std::wstring_view text);
std::wstring Wide(std::string_view utf8);
// UTF-8 with line breaks shown as \r and \n, so that a text stays on one line.
std::string Printable(std::wstring_view text);
