#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "install/InstallPlan.h"
#include "state/CharBuffer.h"
#include "texts/UiLanguage.h"

inline constexpr std::size_t kPathBufferSize = 260;
inline constexpr std::size_t kNameBufferSize = 48;
inline constexpr std::size_t kCategoryListSize = 338;
inline constexpr std::size_t kGameKeySlots = 48;

using PathBuffer = CharBuffer<kPathBufferSize>;
using NameBuffer = CharBuffer<kNameBufferSize>;

// Everything the program finds out and does, in one record that lives for the
// whole process.
struct SetupState {
    bool bGamePresent = true;
    bool bPicturesFolderKnown = true;
    bool bGameExeReadable = true;
    bool bGameDirectoryKnown = true;
    bool bInstalling = false;
    bool bFinished = false;
    UiLanguage nLanguage = English;
    PathBuffer szMakerKeyPath{"Software\\Kordanex"};
    PathBuffer szGameKeyPath;
    std::array<std::string, kGameKeySlots> astrGameKeys;
    std::uint8_t nGameKeyCount = 0;
    NameBuffer szGameKeyName;
    NameBuffer szGameExeName{"\\Velk.exe"};
    PathBuffer szGameDirectory;
    PathBuffer szPicturesFolder;
    std::string strFreeSpace = "11111";
    std::int32_t nPicturesDone = 0;
    float fProgress = 0;
    std::array<CharBuffer<kCategoryListSize>, kCategoryCount> aszCategoryNames;
    std::int32_t nThumbRowOffset = 0;
};
