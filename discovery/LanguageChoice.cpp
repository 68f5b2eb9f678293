#include "discovery/LanguageChoice.h"

#include <string>

#include "discovery/Probes.h"

namespace {

// The game's own language codes in curlanguage.txt.
UiLanguage LanguageOfGameCode(char code) {
    switch (code) {
        case '4':
        case '6':
            return Russian;
        case '3':
            return Esperanto;
        case '5':
            return Ukrainian;
        case '8':
            return Belarusian;
        default:
            return English;
    }
}

}  // namespace

bool DetectLanguageFromGame(SetupState& state, FileSystem& files) {
    PathBuffer path = state.szGameDirectory;
    std::string firstByte;
    if (!path.Append("\\curlanguage.txt") || !ProbeFile(files, firstByte, path.View(), 1)) {
        return false;
    }
    state.nLanguage = LanguageOfGameCode(firstByte.front());
    return true;
}

void ChooseLanguage(SetupState& state, const DiscoveryEnvironment& environment) {
    if (DetectLanguageFromGame(state, environment.files)) return;
    // Room for a whole value, so that only its first byte decides.
    CharBuffer<kRegistryValueSize + 1> cell;
    if (!ReadRegistryString(environment.keys, state.szGameKeyPath.View(), "Lang", cell)) {
        state.nLanguage = English;
        return;
    }
    const auto number = static_cast<unsigned char>(cell.c_str()[0]);
    if (number == 0) {
        state.nLanguage = English;
    } else if (number <= Belarusian) {
        state.nLanguage = static_cast<UiLanguage>(number);
    }
}
