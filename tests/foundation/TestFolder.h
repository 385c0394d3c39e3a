#pragma once
// The tests of this tree's older name for the one temporary-folder helper.

#include "support/TempFolder.h"

using TestFolder = TempFolder;
