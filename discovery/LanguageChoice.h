#pragma once

#include "discovery/DiscoveryEnvironment.h"
#include "state/SetupState.h"

// Sets nLanguage from the first byte of curlanguage.txt in the game's folder.
// False, with nLanguage untouched, when that byte cannot be read.
bool DetectLanguageFromGame(SetupState& state, FileSystem& files);

// Sets nLanguage from the game's language file; without one, from the first
// byte of the game key's "Lang" value (1 to 4); failing both, English.
void ChooseLanguage(SetupState& state, const DiscoveryEnvironment& environment);
