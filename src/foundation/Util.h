// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared file, number, path and web-address helpers of both programs.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace Util {

// Strict decimal parser: blanks and tabs are skipped anywhere, one leading sign, 32-bit
// wrap-around. A null text raises ArgumentNullException "Util::ParseInt (155)"; any other
// character raises ArgumentException "Util::ParseInt (194)", no digit "Util::ParseInt (203)".
int32_t ParseInt(const char* text);
// The same for a length-counted text; a zero byte inside it is an ordinary bad character.
int32_t ParseInt(std::string_view text);
// ParseInt without raising, for scans where a bad entry is common and simply dropped: false
// where ParseInt would raise, value unchanged then.
bool TryParseInt(std::string_view text, int32_t& value);

// The largest library text file read; any larger file is refused before it is read.
constexpr int64_t kMaxTextFileBytes = int64_t(16) << 20;

// The whole file as bytes, each byte nibble-swapped when swapNibbles is set. Raises
// "Util::ReadFileAscii (72)" when the file cannot be opened (cause CannotRead) or is not a plain
// file, such as a folder or a FIFO (NotAPlainFile), "(73)" when its size cannot be taken
// (CannotRead), "(74)" when it is larger than kMaxTextFileBytes (TooLarge) and "(77)" when it
// cannot be read (CannotRead).
std::string ReadFileAscii(const std::string& path, bool swapNibbles);

// The canonical folder of the running executable, ending in '/'. Raises
// "Util::GetModulePath (18)" when the executable's path cannot be read and "(20)" when it
// cannot be made canonical.
std::string GetModulePath();

// The folder part of a path, ending in exactly one '/': "/a/b/Tessiva" gives "/a/b/",
// "/Tessiva" gives "/".
std::string FolderOf(const std::string& path);

// Opens the address in the desktop's browser through xdg-open, started directly (never through
// a shell). Raises "Util::OpenUrl (10)" when xdg-open cannot be started. The wait cursor is
// shown around the start through the hooks below.
void OpenUrl(const std::string& address);

// The windowing layer installs these so OpenUrl can show the wait cursor while it starts the
// browser and restore the previous cursor afterwards. Both default to doing nothing.
void SetOpenUrlCursorHooks(std::function<void()> showWaitCursor, std::function<void()> restoreCursor);

}   // namespace Util
