// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes library files the way the game reads them: property text, nibble-swapped, atomically.

#include <string>
#include <utility>
#include <vector>

namespace LibraryWriter {

enum class Existing { Replace, Refuse };

using Properties = std::vector<std::pair<std::string, std::string>>;

// "Key=Value\r\n" per property. Throws std::invalid_argument when the text would not read back
// as written: an empty key or one that is not plain ASCII or holds '=', a value with a line
// break or a zero byte, or a key found earlier inside another key or value.
std::string PropertyText(const Properties& properties);

// Writes the bytes to a temporary name beside the path, then renames it into place, so the
// file never exists half-written. With Existing::Refuse an existing file is kept and the call
// fails. Throws std::system_error on failure (nothing is left behind).
void WriteFileAtomically(const std::string& path, const std::string& bytes, Existing existing);

// PropertyText, nibble-swapped, written atomically.
void WritePropertyFile(const std::string& path, const Properties& properties, Existing existing);

}   // namespace LibraryWriter
