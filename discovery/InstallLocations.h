#pragma once

#include <functional>
#include <string_view>

#include "discovery/DiscoveryEnvironment.h"
#include "state/SetupState.h"

// The whole discovery: finds the game, reads the pictures folder and the game's
// folder, probes the game's executable there, measures the free space, and,
// when both folders were read, prepares the drawing and chooses the language.
// True when the game was found; every finding is left in state.
bool RunDiscovery(SetupState& state, const DiscoveryEnvironment& environment,
                  const std::function<void()>& PrepareDrawing);

// Sets strFreeSpace to the free space, in thousands of bytes, of the drive
// whose letter starts executablePath; "0" for drives A and B, for drives that
// are not measured, when drive C is absent and when the system cannot tell.
void ComputeFreeSpace(SetupState& state, Drives& drives, std::string_view executablePath);
