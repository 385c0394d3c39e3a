#include "SampleLibrary.h"

#include "foundation/Util.h"
#include "geometry/ClassicCut.h"
#include "library/Category.h"
#include "library/Pack.h"
#include "library/Puzzle.h"
#include "play/Board.h"
#include "play/PlayPicture.h"

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

bool PrepareSampleBoard(int longSide, int width, int height) {
    Board& board = Board::CreateCurrent();
    board.cut.Reset(new ClassicCut(&board));
    board.cut->longSideCount = longSide;
    std::unique_ptr<Gdiplus::Bitmap> picture = MakePlayPicture(FirstSamplePicture(), width, height);
    if (!picture)
        return false;
    board.picture.Reset(picture.release());
    return true;
}
