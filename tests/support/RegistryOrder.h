#pragma once

#include <array>
#include <string_view>

// Subkey names in the order the registry lists them, whatever order they
// were created in: by their upper-case letters, so case does not count and
// the signs between 'Z' and 'a' ('_', '`') come after every letter; a name
// comes before the longer names it begins.
inline constexpr std::array<std::string_view, 12> kNamesInRegistryOrder = {
    "Velk",   "Velk 1.2", "Velk 10", "Velk 2", "velk 3", "Velk a",
    "Velk B", "velk c",   "Velk Z",  "Velk _", "Velk `", "Velk {",
};

// The order they are created in.
inline constexpr std::array<std::string_view, 12> kNamesInCreationOrder = {
    "Velk _", "Velk B", "Velk {", "Velk 2", "Velk a",  "velk c",
    "Velk",   "Velk `", "velk 3", "Velk Z", "Velk 10", "Velk 1.2",
};

// Created after the others: the same key as "Velk B", which keeps its spelling.
inline constexpr std::string_view kSameNameInOtherCase = "VELK b";
