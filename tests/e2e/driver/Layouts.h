#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/e2e/driver/Languages.h"
#include "tests/e2e/driver/Report.h"

// The setup window's controls.
enum ControlId : int {
    kOk = 1,
    kCancel = 2,
    kIntro = 1000,
    kDestination = 1001,
    kRequired = 1002,
    kAvailable = 1003,
    kFolder = 1004,
    kDownload = 1005,
    kSidePicture = 1006,
    kAbout = 1007,
    kTitles = 1008,
};

// What a control's text must be.
struct TextRule {
    enum class Kind { Exact, Contains, NumberBetween, NotEmpty };
    Kind kind;
    std::wstring first;   // the text, a part it contains, or what precedes the number
    std::wstring second;  // another part it contains, or what follows the number
    bool Matches(std::wstring_view text) const;
};
TextRule Exactly(std::wstring_view text);

struct ExpectedControl {
    int id;
    std::string_view name;
    bool visible;
    std::optional<RECT> rect;      // client pixels; unchecked where absent
    std::optional<TextRule> text;  // unchecked where absent
    std::optional<bool> enabled;   // unchecked where absent
};

struct ExpectedWindow {
    std::string_view name;
    TextRule caption;
    std::vector<ExpectedControl> controls;
};

ExpectedWindow NormalLayout(const LanguageTexts& texts, std::wstring_view picturesFolder);
// After a complete run the result and Exit stand where the success text and
// the moved Exit button go; a report of files not written takes the room it
// needs, so there only their texts are checked.
ExpectedWindow FinishedLayout(const LanguageTexts& texts, const TextRule& result, bool complete);
ExpectedWindow NoGameLayout();

void CheckWindow(HWND dialog, const ExpectedWindow& expected, Report& report);
// The end of the installation, in any language and cheap enough to poll:
// Install hidden, the Exit button shown and enabled again.
bool ShowsFinishedLayout(HWND dialog);
