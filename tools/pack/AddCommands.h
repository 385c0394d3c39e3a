// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "tessiva-pack add-category" and "add-pack": new library files, written all or nothing.

#include <cstdint>
#include <string>
#include <vector>

namespace AddCommands {

// Writes FOLDER/<id>.ctg. Throws ToolError.
void AddCategory(const std::string& folder, int32_t id, const std::string& name);

struct PackRequest {
    std::string folder;   // the program folder, ending in '/'
    int32_t id = 0;
    std::string name;
    int32_t categoryId = 0;
    std::vector<std::string> pictures;
};

// Copies each picture into Puzzles/ under the next free puzzle ids, writes their ".dat" files
// and then the pack file listing them. Every picture must be one the game shows, by its decoder
// and size limits; on any failure the files this call wrote are removed again. Throws ToolError.
void AddPack(const PackRequest& request);

// A non-negative decimal id without sign or blanks, as written into file names. Throws ToolError.
int32_t ParseId(const std::string& text, const char* what);

}   // namespace AddCommands
