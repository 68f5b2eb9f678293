#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Files.h"
#include "platform/KeyStore.h"
#include "state/CharBuffer.h"

// The most data a registry value may hold to be read at all.
inline constexpr std::size_t kRegistryValueSize = 1024;

// The data of a value, up to its first zero byte; empty when the key does not
// open with full access, or the value is missing or holds more than 1024 bytes.
std::optional<std::string> ReadRegistryText(KeyStore& keys, std::string_view keyPath,
                                            std::string_view valueName);

// Reads a value of a key under the current user's root as text. A text that
// does not fit the destination counts as unreadable: a cut path could name a
// different file. On false the destination is untouched.
template <std::size_t Size>
bool ReadRegistryString(KeyStore& keys, std::string_view keyPath, std::string_view valueName,
                        CharBuffer<Size>& destination) {
    const std::optional<std::string> text = ReadRegistryText(keys, keyPath, valueName);
    return text && destination.Assign(*text);
}

// Reads the first count bytes of a file into text; true when all of them came.
// The file is opened without sharing. When it does not open (missing, a folder,
// held open elsewhere, a path of more than 259 characters) text is untouched.
bool ProbeFile(FileSystem& files, std::string& text, std::string_view path, std::size_t count);
