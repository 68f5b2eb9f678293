#pragma once

#include "tests/e2e/driver/Scenarios.h"

// "Pictures" values that are not absolute folders, one start of setup.exe
// each: every one must give the no-game layout and leave no file in the
// drive's root or the working folder.
int RunUnsafePicturesScenario(const DriverPaths& paths);

// The pictures folder on a disk too small for the installation, drive D:
// (run-small-disk.sh makes it): the run stops in the file the disk cannot
// take, and the finished window names it.
int RunSmallDiskScenario(const DriverPaths& paths);
