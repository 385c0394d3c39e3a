// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A puzzle library in a temporary folder, loaded into the process-wide lists as the game loads
// its own, and emptied from them again afterwards. Every puzzle's picture is a small PNG of one
// colour of its own, so that its thumbnail can be told apart on the screen.

#include <filesystem>
#include <string>
#include <vector>

#include "support/TempFolder.h"
#include "gfx/Bitmap.h"
#include "library/Category.h"
#include "library/LibraryWriter.h"
#include "library/Pack.h"
#include "library/Puzzle.h"

class TestLibrary {
public:
    struct CategoryContent {
        std::string name;
        int puzzles = 0;
    };
    static constexpr int kPictureWidth = 40;
    static constexpr int kPictureHeight = 30;

    // Category ids count from 1 in the given order, puzzle ids from 1 across the categories;
    // one pack lists every puzzle.
    explicit TestLibrary(const std::vector<CategoryContent>& categories) {
        std::filesystem::create_directories(folder.path + "Puzzles");
        std::string listed;
        int id = 0;
        for (size_t c = 0; c < categories.size(); ++c) {
            const std::string category = std::to_string(c + 1);
            LibraryWriter::WritePropertyFile(folder.path + category + ".ctg", {{"Name", categories[c].name}},
                                             LibraryWriter::Existing::Replace);
            for (int k = 0; k < categories[c].puzzles; ++k) {
                ++id;
                listed += (listed.empty() ? "" : ",") + std::to_string(id);
                LibraryWriter::WritePropertyFile(PuzzlePath(id, ".dat"), {{"Category", category}},
                                                 LibraryWriter::Existing::Replace);
                Gdiplus::Bitmap picture(kPictureWidth, kPictureHeight);
                for (int y = 0; y < kPictureHeight; ++y)
                    for (int x = 0; x < kPictureWidth; ++x)
                        picture.SetPixel(x, y, Gdiplus::Color(ColourOf(id)));
                picture.SavePng(PuzzlePath(id, ".jpg"));
            }
        }
        if (!listed.empty())
            LibraryWriter::WritePropertyFile(folder.path + "1.pck", {{"Name", "Test pack"}, {"Puzzles", listed}},
                                             LibraryWriter::Existing::Replace);
        Load(folder.path);
    }
    ~TestLibrary() { Load(empty.path); }
    TestLibrary(const TestLibrary&) = delete;
    TestLibrary& operator=(const TestLibrary&) = delete;

    // The picture (".jpg") or description (".dat") of a puzzle.
    std::string PuzzlePath(int id, const char* extension) const {
        return folder.path + "Puzzles/" + Puzzle::BaseName(id) + extension;
    }

    // The opaque colour of a puzzle's picture.
    static uint32_t ColourOf(int id) {
        return 0xFF000000u | uint32_t(40 + id * 53 % 200) << 16 | uint32_t(30 + id * 97 % 200) << 8 |
               uint32_t(20 + id * 31 % 200);
    }

    TempFolder folder;

private:
    static void Load(const std::string& path) {
        Puzzle::ClearPuzzleList();
        Category::ScanCategories(path);
        Pack::ScanPacks(path);
        Puzzle::ReadAllPuzzles(path + "Puzzles/");
    }

    TempFolder empty;
};
