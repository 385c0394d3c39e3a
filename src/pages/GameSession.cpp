// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/GameSession.h"

#include <memory>

#include "geometry/ClassicCut.h"
#include "library/Category.h"
#include "library/Pack.h"
#include "library/Puzzle.h"
#include "play/Board.h"
#include "ui/Theme.h"
#include "ui/UiImages.h"

GameSession::GameSession(const std::string& programFolder) : board(Start(programFolder)) {}

GameSession::~GameSession() {
    Board::DestroyCurrent();   // its cut goes with it
    Theme::Current().Reset();
    UiImages::Current().Reset();
}

Board& GameSession::Start(const std::string& programFolder) {
    // Reading adds to the puzzle list, so a second session in one process (tests, benchmarks)
    // starts from an empty one; at the game's start it is empty anyway. Unreadable files are
    // skipped inside the scans.
    Puzzle::ClearPuzzleList();
    Category::ScanCategories(programFolder);
    Pack::ScanPacks(programFolder);
    Puzzle::ReadAllPuzzles(programFolder + "Puzzles/");

    Theme::Install(programFolder + "Themes/Default/");
    UiImages::Current().Reset(std::make_unique<UiImages>(programFolder + "UI/"));

    // Every page passes the chosen puzzle and the cut on through the board.
    Board& board = Board::CreateCurrent();
    board.cut.Reset(std::make_unique<ClassicCut>(&board));
    return board;
}
