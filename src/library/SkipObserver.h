// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a library scan tells a tool which file or puzzle it skipped and why.

#include <cstdint>
#include <functional>
#include <string>

#include "foundation/ApplicationException.h"

struct SkippedItem {
    enum class Kind { File, Puzzle };

    Kind kind = Kind::File;
    std::string fileName;   // Kind::File: the category or pack file's name, without folder
    int32_t puzzleId = 0;   // Kind::Puzzle
    // What a caller decides on; Unspecified only for the standard library's own failures (memory).
    FailureCause cause = FailureCause::Unspecified;
    std::string reason;   // for people: the location text of the failure
};

// Optional: the game passes none and skips silently.
using SkipObserver = std::function<void(const SkippedItem&)>;
