#pragma once

#include "platform/Drives.h"
#include "platform/Files.h"
#include "platform/KeyStore.h"

// The parts of the machine that discovery asks about.
struct DiscoveryEnvironment {
    KeyStore& keys;
    FileSystem& files;
    Drives& drives;
};
