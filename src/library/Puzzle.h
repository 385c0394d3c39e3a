// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One puzzle (a picture and its category), and the process-wide PuzzleList.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "library/SkipObserver.h"

class Puzzle {
public:
    Puzzle(int32_t id, int32_t categoryId, std::string picturePath)
        : id(id), categoryId(categoryId), picturePath(std::move(picturePath)) {}

    // Loads every puzzle that a pack in PackList lists, in pack order; a puzzle that fails is
    // skipped and reported once. Within the scan a failed puzzle is tried again only when the
    // failure was one of memory: nothing else it depends on changes meanwhile.
    static void ReadAllPuzzles(const std::string& puzzlesFolder, const SkipObserver& onSkip = {});
    // Loads one puzzle into PuzzleList and its category, or does nothing when it is already
    // loaded. Its files are found whatever the case of their extensions (".JPG" is a picture).
    // Raises "Puzzle::ReadPuzzle (65)" without a picture, "(66)" without a ".dat" file (both with
    // the cause MissingFile), "(74)" when its category does not exist (ContentUnusable).
    static void ReadPuzzle(const std::string& puzzlesFolder, int32_t id);

    // The id in decimal, '0'-padded in front to 8 characters: 42 gives "00000042".
    static std::string BaseName(int32_t id);

    // Empties PuzzleList and every category's puzzles, so that another library can be read (a
    // new session, a tool, a test); in the game there is nothing to empty yet.
    static void ClearPuzzleList();

    int32_t id = 0;
    int32_t categoryId = 0;
    std::string picturePath;   // the ".ogg" file when present, else the ".jpg", as spelled on disk
};

// All puzzles in load order; the list owns them, categories refer to them.
const std::vector<std::unique_ptr<Puzzle>>& PuzzleList();
