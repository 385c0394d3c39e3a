// SPDX-License-Identifier: GPL-3.0-or-later
// The game's session over a program folder: what it reads and installs, what it releases, and
// a later session in the same process reading its library afresh.

#include <gtest/gtest.h>

#include <filesystem>

#include "TestLibrary.h"
#include "geometry/ClassicCut.h"
#include "pages/GameSession.h"
#include "play/Board.h"
#include "ui/Theme.h"
#include "ui/UiImages.h"

namespace {

TEST(GameSession, ReadsTheFolderFillsTheHoldersAndEmptiesThemAgain) {
    TestLibrary library({{"Alpha", 2}, {"Beta", 1}});
    const std::string folder = library.folder.path;
    std::filesystem::create_directories(folder + "UI");
    Gdiplus::Bitmap(3, 2).SavePng(folder + "UI/Magnifier.png");

    // The library is already read once (by the test library), as a previous session leaves it.
    for (int session = 1; session <= 2; ++session) {
        {
            GameSession game(folder);
            Board& board = game.GetBoard();
            EXPECT_EQ(Board::Current(), &board) << "session " << session;
            const auto* cut = dynamic_cast<const ClassicCut*>(board.cut.Get());
            ASSERT_NE(cut, nullptr) << "session " << session;
            EXPECT_EQ(cut->owner, &board);
            ASSERT_NE(Theme::Current().Get(), nullptr);
            EXPECT_EQ(Theme::Current()->Folder(), folder + "Themes/Default/");
            ASSERT_NE(UiImages::Current().Get(), nullptr);
            EXPECT_EQ(UiImages::Current()->MagnifierImage()->GetWidth(), 3u);

            ASSERT_EQ(CategoryList().size(), 2u) << "session " << session;
            EXPECT_EQ(CategoryList()[0]->puzzles.size(), 2u) << "session " << session;
            EXPECT_EQ(CategoryList()[1]->puzzles.size(), 1u) << "session " << session;
            EXPECT_EQ(PuzzleList().size(), 3u) << "session " << session;
        }
        EXPECT_EQ(Board::Current(), nullptr);
        EXPECT_EQ(Theme::Current().Get(), nullptr);
        EXPECT_EQ(UiImages::Current().Get(), nullptr);
    }
}

}   // namespace
