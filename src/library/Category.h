// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A gallery category read from "<id>.ctg", and the process-wide CategoryList.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "library/SkipObserver.h"

class Puzzle;

class Category {
public:
    Category(int32_t id, std::string name) : id(id), name(std::move(name)) {}

    // Empties CategoryList, reads every "*.ctg" in the folder (ending in '/') in directory
    // order, skipping files that fail, then sorts the list by name in UTF-16 code-unit order.
    static void ScanCategories(const std::string& folder, const SkipObserver& onSkip = {});
    // Reads one category file and appends it to CategoryList; throws on any failure.
    static void ReadCategory(const std::string& title, const std::string& path);
    // The first category in CategoryList order with this id, or null.
    static Category* FindById(int32_t id);

    int32_t id = 0;
    std::string name;               // display text (UTF-8)
    std::vector<Puzzle*> puzzles;   // owned by PuzzleList, in load order
};

// All categories; the list owns them and keeps them for the life of the process.
const std::vector<std::unique_ptr<Category>>& CategoryList();
