#include "SampleLibrary.h"

#include "foundation/Util.h"
#include "library/Category.h"
#include "library/Pack.h"
#include "library/Puzzle.h"

void LoadSampleLibrary() {
    const std::string folder = Util::GetModulePath();
    Category::ScanCategories(folder);
    Pack::ScanPacks(folder);
    Puzzle::ReadAllPuzzles(folder + "Puzzles/");
}

std::string FirstSamplePicture() {
    LoadSampleLibrary();
    for (const auto& category : CategoryList())
        if (!category->puzzles.empty())
            return category->puzzles.front()->picturePath;
    return std::string();
}
