#pragma once

#include "platform/KeyStore.h"
#include "state/SetupState.h"

// Reads the maker's common pictures folder into folder. The files are written
// straight into it, so a value that leans on the working folder or the current
// drive ("", "Pics", "C:Pics", "\Pics") would scatter them there: only an
// absolute folder counts as read. On false the folder is untouched.
bool ReadPicturesFolder(KeyStore& keys, PathBuffer& folder);
