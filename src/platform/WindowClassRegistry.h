// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a top-level window of a class is alive in this user's session, from any process.

#include <string>

// True when some process of this user holds a live top-level window of the class. Each such
// window holds a shared lock on a file named after the class in the user's runtime folder; the
// kernel drops the lock when its process ends, however it ends.
bool TopLevelWindowOfClassExists(const std::string& className);
