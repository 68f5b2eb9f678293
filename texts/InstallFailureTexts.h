#pragma once

#include <cstdint>
#include <string_view>

// What the finished window says when the installation did not write every
// file, in the interface languages (Cyrillic in Windows-1251).
struct InstallFailureTexts {
    std::string_view incomplete;  // heads the list of files not written
    std::string_view moreBefore;  // the list's tail: moreBefore, a count, moreAfter
    std::string_view moreAfter;
    std::string_view stoppedBefore;       // the file the run stopped in, left partly written,
    std::string_view stoppedAfter;        // stands between these
    std::string_view filesKept;           // the files written before it stay
    std::string_view nothingElseWritten;  // no file was written before it
};

// The texts of a language 0..4; English for any other value.
const InstallFailureTexts& InstallFailureTextsFor(std::int8_t language);
