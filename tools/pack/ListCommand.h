// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "tessiva-pack list": what the game loads from a program folder, and what it skips and why.

#include <ostream>
#include <string>

namespace ListCommand {

enum class Format { Text, Json };

// Runs the game's three library scans on the folder (ending in '/') and prints the lists in
// the game's order, followed by every skipped file or puzzle with its failure's location text
// (a skipped puzzle with the files it has), and the files of loaded puzzles that the game cannot
// use: pictures its decoder refuses, and entries named like a puzzle's file that are no plain
// file.
void Run(const std::string& folder, Format format, std::ostream& out);

// The text as a JSON string literal, quotes included; the text must be valid UTF-8.
std::string JsonString(const std::string& text);

}   // namespace ListCommand
