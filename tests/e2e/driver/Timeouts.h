#pragma once

#include <windows.h>

// How long the scenarios wait for setup.exe, far above what it needs.
inline constexpr DWORD kWindowTimeoutMs = 30000;
inline constexpr DWORD kInstallTimeoutMs = 60000;
inline constexpr DWORD kExitTimeoutMs = 10000;
