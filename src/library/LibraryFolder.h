// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Folder access of the library scans: matching entries in a fixed order, and existence tests.

#include <functional>
#include <string>
#include <vector>

#include "library/SkipObserver.h"

namespace LibraryFolder {

// Names of the folder's entries whose name ends in the extension (".ctg"), compared without
// regard to ASCII case as the library's home platform does ("3.CTG" is a category file too).
// Sorted ascending without regard to case (ties by bytes), so every scan gives the same order.
// A missing or unreadable folder gives no names; listed, when given, is set to whether the
// folder was listed to its end.
std::vector<std::string> EntriesWithExtension(const std::string& folder, const std::string& extension,
                                              bool* listed = nullptr);

// Reads each entry of EntriesWithExtension, in that order, with read(title, full path); an entry
// whose read throws is skipped and reported to onSkip. False when the folder could not be listed
// whole.
bool ReadEachFile(const std::string& folder, const std::string& extension,
                  const std::function<void(const std::string& title, const std::string& path)>& read,
                  const SkipObserver& onSkip);

// The title of a file name: the name up to its last '.'.
std::string TitleOf(const std::string& fileName);

// True when the path names a plain file, links followed: a folder or a FIFO is no picture and
// no ".dat" file, and opening a FIFO would block its reader.
bool FileExists(const std::string& path);

// Calls back with the name of each of the folder's entries that FileExists, read in one
// pass, so a large library tests existence without system calls per file. False when the
// folder cannot be listed whole.
bool ForEachFileIn(const std::string& folder, const std::function<void(const std::string& name)>& onFile);

// The reason for the exception being handled: its location text, or what() for the standard
// library's exceptions. Call only inside a catch block.
std::string CurrentFailureReason();
// The cause a scan reports for the exception being handled: the one its raise names; for a raise
// of the family that names none, ContentUnusable, as it came from the item's name or text (a
// number that does not parse, a missing key); Unspecified for the standard library's own
// failures. Call only inside a catch block.
FailureCause CurrentFailureCause();

}   // namespace LibraryFolder
