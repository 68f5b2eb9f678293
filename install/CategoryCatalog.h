#pragma once

#include <cstddef>
#include <string>

#include "install/OutputFiles.h"
#include "state/SetupState.h"

// A catalog is the category's number texts, filled up with "o" to 336 bytes.
inline constexpr std::size_t kCatalogSize = 336;

// "c" + two-digit category + "09.txt"
std::string CategoryCatalogName(int category);

// Writes the catalog of a category from its list in the state; a list that
// leaves no room in the record writes nothing.
WriteResult WriteCategoryCatalog(const SetupState& state, const OutputFolder& folder, int category);
