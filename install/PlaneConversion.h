#pragma once

#include <cstddef>
#include <span>

// Turns a picture of colour-table indexes into the red, green and blue planes
// of its picture file. The colour table holds 256 entries of blue, green, red
// and an unused byte; the stored rows are 48 rows of 912 indexes, the bottom
// row first; the planes are 48 rows of 912 bytes each, the top row first.
//
// Every path gives the same bytes; the fast ones need instructions that only
// some processors have, so the path is chosen when the program runs.
enum class ConversionPath {
    Portable,  // plain lookups, for every processor
    Vbmi,      // 64 lookups per instruction (AVX-512 VBMI)
};

bool CanRun(ConversionPath path);
// The fastest path this processor can run.
ConversionPath FastestPath();

void ConvertToPlanes(std::span<const std::byte> colourTable, std::span<const std::byte> storedRows,
                     std::span<std::byte> planes, ConversionPath path = FastestPath());
