// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleLibrary.h"

#include <memory>
#include <utility>

#include "library/Category.h"
#include "library/Puzzle.h"
#include "play/Board.h"
#include "play/PlayPicture.h"

std::string FirstSamplePicture() {
    for (const auto& category : CategoryList())
        if (!category->puzzles.empty())
            return category->puzzles.front()->picturePath;
    return std::string();
}

bool PrepareSampleBoard(Board& board, int longSide, int width, int height) {
    board.cut->longSideCount = longSide;
    std::unique_ptr<Gdiplus::Bitmap> picture = MakePlayPicture(FirstSamplePicture(), width, height);
    if (!picture)
        return false;
    board.picture.Reset(std::move(picture));
    return true;
}
