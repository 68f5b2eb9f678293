#pragma once

#include <initializer_list>
#include <string_view>
#include <utility>

// Creates the key under HKEY_CURRENT_USER and sets string values in it; a
// null name stands for the key's default value.
bool SetUserStrings(std::wstring_view keyPath,
                    std::initializer_list<std::pair<const wchar_t*, std::wstring_view>> values);
// Creates the key under HKEY_CURRENT_USER and sets a REG_DWORD value in it.
bool SetUserDword(std::wstring_view keyPath, const wchar_t* name, unsigned long value);
