#include "ui/FailureReport.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// The system's messages end with a line break of their own.
std::string_view WithoutTrailingBlanks(std::string_view text) {
    const std::size_t end = text.find_last_not_of(" \t\r\n");
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

void DescribeSkipped(ComposedText& text, const std::vector<std::string>& files,
                     const InstallFailureTexts& texts) {
    text.Append(texts.incomplete);
    const std::size_t listed = std::min(files.size(), kListedFileCount);
    for (std::size_t i = 0; i < listed; ++i) {
        if (i > 0) text.Append(", ");
        text.Append(files[i]);
    }
    if (listed < files.size()) {
        text.Append(texts.moreBefore)
            .Append(std::to_string(files.size() - listed))
            .Append(texts.moreAfter);
    } else {
        text.Append(".");
    }
}

}  // namespace

ComposedText DescribeFailure(const InstallReport& report, const InstallFailureTexts& texts) {
    ComposedText text;
    if (report.stoppedBy) {
        text.Append(texts.stoppedBefore)
            .Append(report.stoppedBy->fileName)
            .Append(texts.stoppedAfter);
        text.Append(kLineBreak)
            .Append(WithoutTrailingBlanks(report.stoppedBy->systemMessage), TextEncoding::Ansi);
        text.Append(kLineBreak)
            .Append(report.writtenFiles > 0 ? texts.filesKept : texts.nothingElseWritten);
        if (!report.skippedFiles.empty()) text.Append(kLineBreak);
    }
    if (!report.skippedFiles.empty()) DescribeSkipped(text, report.skippedFiles, texts);
    return text;
}
