#pragma once

#include <cstddef>

// Bytes the program holds on the heap, counted by the replaced operator new.
namespace heap {
std::size_t Current();
// The most held since the last reset.
std::size_t Peak();
void ResetPeak();
}  // namespace heap
