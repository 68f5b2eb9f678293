#include "discovery/GameDiscovery.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

#include "discovery/Probes.h"

namespace {

// RegEnumKeyA's name buffer: names of 50 characters or more end the listing.
constexpr std::size_t kSubkeyNameBufferSize = 50;

// The game's keys are "Velk " and a version; the 1.1 versions are passed over.
bool IsGameKeyName(std::string_view name) {
    return name.substr(0, 5) == "Velk " && name.substr(5, 3) != "1.1";
}

// The candidate's CommandLine, when readable and short enough to be a path.
bool ReadCommandLine(const SetupState& state, KeyStore& keys, std::string_view name,
                     PathBuffer& commandLine) {
    PathBuffer keyPath = state.szGameKeyPath;
    return keyPath.Append(name) &&
           ReadRegistryString(keys, keyPath.View(), "CommandLine", commandLine);
}

}  // namespace

bool EnumerateMakerKeys(SetupState& state, KeyStore& keys) {
    const std::unique_ptr<RegistryKey> makerKey = keys.Open(state.szMakerKeyPath.View());
    if (!makerKey) return false;
    std::array<char, kSubkeyNameBufferSize> buffer{};
    for (std::uint32_t index = 0;
         state.nGameKeyCount < kGameKeySlots && makerKey->EnumerateSubkey(index, buffer); ++index) {
        const std::string_view name(buffer.data(),
                                    std::ranges::find(buffer, '\0') - buffer.begin());
        if (makerKey->CanQueryDefaultValue(name)) state.astrGameKeys[state.nGameKeyCount++] = name;
    }
    return state.nGameKeyCount > 0;
}

bool FindGame(SetupState& state, const DiscoveryEnvironment& environment) {
    state.astrGameKeys.fill({});
    if (!EnumerateMakerKeys(state, environment.keys)) return false;
    const std::size_t count = std::min<std::size_t>(state.nGameKeyCount, kGameKeySlots);
    for (std::size_t slot = 0; slot < count; ++slot) {
        const std::string& name = state.astrGameKeys[slot];
        NameBuffer keyName;
        NameBuffer exeName{"\\"};
        PathBuffer commandLine;
        std::string firstByte;
        if (IsGameKeyName(name) && keyName.Assign(name) &&
            ReadCommandLine(state, environment.keys, name, commandLine) &&
            exeName.Append(ExtractFileName(commandLine.View())) &&
            ProbeFile(environment.files, firstByte, commandLine.View(), 1)) {
            state.szGameKeyName = keyName;
            state.szGameExeName = exeName;
            return true;
        }
    }
    return false;
}

std::string ExtractFileName(std::string_view path) {
    // A backslash among the first four characters, as in "D:\", never separates.
    const std::size_t separator = path.rfind('\\');
    if (separator == std::string_view::npos || separator < 4) return {};
    return std::string(path.substr(separator + 1));
}
