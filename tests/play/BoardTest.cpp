// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "gfx/Rectangles.h"
#include "gfx/Graphics.h"
#include "play/BoardFixture.h"

using Gdiplus::Rect;

TEST(Board, NewGameMakesOneUnplacedGroupPerPieceAndResetsTheClock) {
    std::unique_ptr<Board> board = NewBoard(280, 200, 7);
    board->groups.front()->offsetX = 40;
    board->dragged = board->groups.front().get();
    board->StartClock();
    board->NewGame();
    EXPECT_EQ(board->clock, ClockState::NotStarted);
    EXPECT_EQ(board->elapsed.Ticks, 0);
    EXPECT_EQ(board->dragged, nullptr);
    ASSERT_EQ(board->pieces.size(), 35u);
    ASSERT_EQ(board->groups.size(), 35u);
    for (size_t i = 0; i < 35; ++i) {
        const PieceGroup& group = *board->groups[i];
        ASSERT_EQ(group.pieces.size(), 1u);
        EXPECT_EQ(group.pieces[0], board->pieces[i].get());
        EXPECT_EQ(group.box, board->pieces[i]->bounds);
        EXPECT_EQ(group.vertices.size(), 4u);
        EXPECT_EQ(group.offsetX, 0);
        EXPECT_EQ(group.offsetY, 0);
    }
}

TEST(Board, EdgesOnlyShowsGroupsHoldingABorderPiece) {
    std::unique_ptr<Board> board = NewBoard(280, 200, 7);
    const auto shown = [&] {
        return std::count_if(board->groups.begin(), board->groups.end(),
                             [&](const auto& g) { return board->IsShown(*g); });
    };
    EXPECT_EQ(shown(), 35);
    board->edgesOnly = true;
    EXPECT_EQ(shown(), 20);
    // An inner piece (row 1, column 1) joined to a border piece shows with it.
    const PieceGroup* inner = board->groups[8].get();
    EXPECT_FALSE(board->IsShown(*inner));
    Join(*board, {8, 0});
    EXPECT_EQ(shown(), 20);
    EXPECT_TRUE(board->IsShown(*inner));
}

TEST(Board, GroupJoinedThroughACornerHasSevenVertices) {
    std::unique_ptr<Board> board = NewBoard(280, 200, 7);
    const Rect corner = board->pieces[0]->bounds;
    const Rect inner = board->pieces[8]->bounds;
    Join(*board, {0, 8});
    const PieceGroup& group = *board->groups.front();
    ASSERT_EQ(group.vertices.size(), 7u);
    const int32_t ids[] = {0, 1, 9, 8, 10, 18, 17};   // first met: the corner's, then the new ones
    for (size_t i = 0; i < 7; ++i)
        EXPECT_EQ(group.vertices[i].id, ids[i]);
    Rect expected;
    UnionRect(expected, corner, inner);
    EXPECT_EQ(group.box, expected);
    EXPECT_TRUE(group.IsEdgeGroup());
    EXPECT_TRUE(group.SharesVertexWith(*board->groups[1]));   // piece 1 touches vertex 1 and 9
}

TEST(Board, ElapsedTextFoldsHoursIntoMinutesAndDropsDays) {
    struct Case {
        int64_t seconds;
        const char* text;
    };
    const Case cases[] = {
        {0, "00:00"},
        {59 * 60 + 59, "59:59"},
        {2 * 3600, "120:00"},
        {25 * 3600 + 60, "61:00"},
        {3600 + 2 * 60 + 3, "62:03"},
        {24 * 3600 - 1, "1439:59"},
    };
    Board board;
    board.clock = ClockState::Stopped;
    for (const Case& c : cases) {
        board.elapsed = TimeSpan(c.seconds * TimeSpan::kTicksPerSecond + 9'999'999);
        EXPECT_EQ(board.ElapsedText(), c.text);
    }
}

TEST(Board, StopClockAddsTheRunningIntervalOnce) {
    Board board;
    board.StopClock();   // not started: nothing happens
    EXPECT_EQ(board.clock, ClockState::NotStarted);
    EXPECT_EQ(board.elapsed.Ticks, 0);

    board.elapsed = TimeSpan(5 * TimeSpan::kTicksPerSecond);
    board.StartClock();
    board.clockStart = DateTime(board.clockStart.Word() - 10 * TimeSpan::kTicksPerSecond);
    EXPECT_GE(board.Elapsed().Ticks, 15 * TimeSpan::kTicksPerSecond);
    board.StopClock();
    const int64_t stopped = board.elapsed.Ticks;
    EXPECT_GE(stopped, 15 * TimeSpan::kTicksPerSecond);
    EXPECT_LT(stopped, 75 * TimeSpan::kTicksPerSecond);
    EXPECT_EQ(board.clock, ClockState::Stopped);
    board.StopClock();
    EXPECT_EQ(board.elapsed.Ticks, stopped);
    EXPECT_EQ(board.Elapsed().Ticks, stopped);
}

TEST(Board, OverlapMeasuresUsePieceBoxesAndIgnoreTouching) {
    // Two 100 x 100 square pieces side by side.
    std::unique_ptr<Board> board = NewBoard(200, 100, 2, CutKind::Square);
    ASSERT_EQ(board->groups.size(), 2u);
    PieceGroup& left = *board->groups[0];
    PieceGroup& right = *board->groups[1];
    ASSERT_EQ(left.box, Rect(0, 0, 100, 100));
    ASSERT_EQ(right.box, Rect(100, 0, 100, 100));

    struct Case {
        Rect rect;
        int32_t area;
    };
    const Case cases[] = {
        {{50, 50, 100, 100}, 2500},  {{100, 0, 10, 10}, 0},   {{-10, -10, 10, 200}, 0},
        {{-10, 90, 300, 300}, 1000}, {{20, 20, 10, 10}, 100},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GroupRectOverlap(left, c.rect), c.area);

    EXPECT_EQ(GroupGroupOverlap(left, right), 0);   // boxes touch at x = 100
    right.offsetX = -60;
    right.offsetY = 10;
    EXPECT_EQ(GroupGroupOverlap(left, right), 60 * 90);
    EXPECT_EQ(GroupGroupOverlap(right, left), 60 * 90);
    EXPECT_EQ(GroupRectOverlap(right, Rect(0, 0, 50, 50)), 10 * 40);

    // A joined group counts every piece box: overlapping pieces count twice.
    right.offsetX = right.offsetY = 0;
    Join(*board, {0, 1});
    PieceGroup& both = *board->groups[0];
    both.offsetX = 5;
    EXPECT_EQ(GroupRectOverlap(both, Rect(0, 0, 300, 50)), 200 * 50);
}

TEST(Board, HitTestSkipsSocketsUnlessAnotherPieceOfTheGroupCoversThem) {
    std::unique_ptr<Board> board = NewBoard(200, 100, 2);
    ASSERT_EQ(board->groups.size(), 2u);
    // Find a point inside one piece's box that lies in its socket, under the other's tab.
    int socketOwner = -1, sx = 0, sy = 0;
    for (int y = 0; y < 100 && socketOwner < 0; ++y)
        for (int x = 0; x < 200 && socketOwner < 0; ++x)
            for (int k = 0; k < 2; ++k) {
                const Piece& mine = *board->pieces[k];
                const Piece& theirs = *board->pieces[1 - k];
                if (mine.bounds.Contains(x, y) && !mine.outline->IsVisible(x, y) && theirs.outline->IsVisible(x, y)) {
                    socketOwner = k, sx = x, sy = y;
                    break;
                }
            }
    ASSERT_GE(socketOwner, 0);
    PieceGroup& owner = *board->groups[socketOwner];
    PieceGroup& other = *board->groups[1 - socketOwner];
    owner.offsetX = other.offsetX = 300;
    owner.offsetY = other.offsetY = -20;
    EXPECT_FALSE(GroupHitTest(owner, sx + 300, sy - 20));
    EXPECT_TRUE(GroupHitTest(other, sx + 300, sy - 20));
    EXPECT_FALSE(GroupHitTest(other, sx, sy));   // picture position, not board position
    Join(*board, {static_cast<size_t>(socketOwner), static_cast<size_t>(1 - socketOwner)});
    EXPECT_TRUE(GroupHitTest(*board->groups[0], sx + 300, sy - 20));
}

TEST(Board, DrawsShownGroupsInOrderInsideTheClip) {
    std::unique_ptr<Board> board = NewBoard(200, 100, 2, CutKind::Square);
    PieceGroup& left = *board->groups[0];
    PieceGroup& right = *board->groups[1];
    left.offsetX = 10, left.offsetY = 10;      // board (10..110, 10..110)
    right.offsetX = -40, right.offsetY = 60;   // board (60..160, 60..160), on top
    Gdiplus::Bitmap target(200, 200);
    {
        Gdiplus::Graphics graphics(&target);
        board->Draw(graphics);
        graphics.Flush();
    }
    EXPECT_EQ(PixelAt(target, 20, 20), TestPicture::Colour(10, 10));
    EXPECT_EQ(PixelAt(target, 80, 80), TestPicture::Colour(120, 20));   // the later group wins
    EXPECT_EQ(PixelAt(target, 150, 150), TestPicture::Colour(190, 90));
    EXPECT_EQ(PixelAt(target, 5, 5), 0u);

    // Hidden groups are skipped and nothing is drawn outside the clip.
    Gdiplus::Bitmap second(200, 200);
    board->edgesOnly = true;   // both are border pieces here: still drawn
    {
        Gdiplus::Graphics graphics(&second);
        graphics.SetClip(Rect(0, 0, 70, 70));
        board->Draw(graphics);
        graphics.Flush();
    }
    EXPECT_EQ(PixelAt(second, 65, 65), TestPicture::Colour(105, 5));
    EXPECT_EQ(PixelAt(second, 75, 75), 0u);
}

TEST(Board, EdgesOnlyLeavesInnerGroupsUndrawn) {
    std::unique_ptr<Board> board = NewBoard(300, 300, 3, CutKind::Square);
    board->edgesOnly = true;
    Gdiplus::Bitmap target(300, 300);
    {
        Gdiplus::Graphics graphics(&target);
        board->Draw(graphics);
        graphics.Flush();
    }
    EXPECT_EQ(PixelAt(target, 150, 150), 0u);   // the middle piece
    EXPECT_EQ(PixelAt(target, 150, 50), TestPicture::Colour(150, 50));
}

TEST(Board, MissingCutOrPictureFailsThroughTheHolders) {
    Board board;
    try {
        board.NewGame();
        FAIL() << "no exception";
    } catch (const ApplicationException& e) {
        EXPECT_EQ(e.LocationText(), "CPtr<class Cut>::operator -> (114)");
    }
    board.cut.Reset(std::make_unique<ClassicCut>(&board));
    try {
        board.NewGame();
        FAIL() << "no exception";
    } catch (const ApplicationException& e) {
        EXPECT_EQ(e.LocationText(), "CPtr<class Gdiplus::Bitmap>::operator -> (114)");
    }
}

TEST(Board, CurrentBoardIsReplacedAndDestroyed) {
    Board& first = Board::CreateCurrent();
    EXPECT_EQ(Board::Current(), &first);
    first.puzzleId = 12;
    Board& second = Board::CreateCurrent();
    EXPECT_EQ(Board::Current(), &second);
    EXPECT_EQ(second.puzzleId, 0);
    Board::DestroyCurrent();
    EXPECT_EQ(Board::Current(), nullptr);
}
