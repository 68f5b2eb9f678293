#pragma once

#include <string_view>

#include "discovery/DiscoveryEnvironment.h"
#include "platform/inproc/MemoryDrives.h"
#include "platform/inproc/MemoryFileSystem.h"
#include "platform/inproc/MemoryKeyStore.h"

// A machine with the game installed the usual way: its key under the maker's
// key with CommandLine and Directory, the common pictures folder, the
// executable and curlanguage.txt (Russian) on the fixed drive D, drive C
// present, and 1999 free clusters of 8 × 512 bytes on D ("4096").
struct InstalledGame {
    static constexpr std::string_view kGameKey = "Software\\Kordanex\\Velk 2";
    static constexpr std::string_view kCommonKey = "Software\\Kordanex\\CommonFiles";
    static constexpr std::string_view kGameFolder = "D:\\Games\\Velk";
    static constexpr std::string_view kExecutable = "D:\\Games\\Velk\\Velk.exe";
    static constexpr std::string_view kLanguageFile = "D:\\Games\\Velk\\curlanguage.txt";
    static constexpr std::string_view kPicturesFolder = "D:\\Kordanex\\Pictures";
    static constexpr unsigned kFixedDrive = 3;

    InstalledGame() {
        keys.SetString(kGameKey, "CommandLine", kExecutable);
        keys.SetString(kGameKey, "Directory", kGameFolder);
        keys.SetString(kCommonKey, "Pictures", kPicturesFolder);
        files.AddFile(kExecutable, "MZ");
        files.AddFile(kLanguageFile, "4");
        files.AddFolder(kPicturesFolder);
        drives.AddDrive('C', kFixedDrive, DiskFreeSpace{8, 512, 500000});
        drives.AddDrive('D', kFixedDrive, DiskFreeSpace{8, 512, 1999});
    }

    DiscoveryEnvironment Environment() { return {keys, files, drives}; }

    MemoryKeyStore keys;
    MemoryFileSystem files;
    MemoryDrives drives;
};
