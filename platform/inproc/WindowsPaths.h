#pragma once

#include <string>
#include <string_view>

// The full path Windows makes of a path text before it opens anything:
// - '/' separates like '\';
// - a path without a root starts at the current folder; a drive without a
//   separator after it ("D:Pics") at that drive's current folder, which is
//   its root unless it is the current folder's drive; a separator first
//   ("\Pics") at the current folder's root;
// - after the root a run of separators reads as one, "." names the folder
//   itself and ".." its parent;
// - every part keeps its spelling.
// Roots are written "X:\" and "\\server\share".
// currentFolder is itself a full path.
std::string FullPath(std::string_view path, std::string_view currentFolder);

// Two full paths name the same file when these are equal: Windows compares
// names without regard to case (here the ASCII letters).
std::string CaseFolded(std::string_view fullPath);

// The folder a full path is in; empty for a root.
std::string_view ParentFolder(std::string_view fullPath);
