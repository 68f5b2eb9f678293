#pragma once

#include <span>
#include <string>

#include "platform/EncodedText.h"

// UTF-16 for the wide functions: Windows-1251 pieces through code page 1251
// on every system, ANSI pieces through the system's ANSI code page.
std::wstring Widen(std::span<const EncodedText> pieces);
