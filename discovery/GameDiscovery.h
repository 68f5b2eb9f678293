#pragma once

#include <string>
#include <string_view>

#include "discovery/DiscoveryEnvironment.h"
#include "state/SetupState.h"

// Lists the maker key's subkeys whose default value can be queried into
// astrGameKeys, after the nGameKeyCount names already there, up to 48 names.
// The listing ends at the first subkey whose name does not fit 50 bytes.
// True when at least one name is stored.
bool EnumerateMakerKeys(SetupState& state, KeyStore& keys);

// Finds the first subkey of the maker key, in listing order, that is the
// game's: named "Velk " and more but not "Velk 1.1...", with a CommandLine
// value naming a file whose first byte can be read. On success sets
// szGameKeyName and szGameExeName. Expects szGameKeyPath to hold the maker
// key's path and one backslash.
bool FindGame(SetupState& state, const DiscoveryEnvironment& environment);

// The part of path after its last backslash, empty when there is none at
// position 4 or later.
std::string ExtractFileName(std::string_view path);
