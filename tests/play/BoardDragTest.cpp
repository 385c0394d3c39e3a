// SPDX-License-Identifier: GPL-3.0-or-later
// Picking, dragging, snapping and joining on the board model.

#include <gtest/gtest.h>

#include <algorithm>

#include "gfx/Rectangles.h"
#include "play/BoardFixture.h"

using Gdiplus::Rect;

namespace {

// A point of a piece's cell well inside its outline: the centre of its four grid corners.
Gdiplus::Point CellCentre(const Piece& piece) {
    int32_t x = 0, y = 0;
    for (const GridVertex& v : piece.vertices)
        x += v.x, y += v.y;
    return {x / 4, y / 4};
}

PieceGroup* GroupOf(Board& board, size_t pieceIndex) {
    const Piece* piece = board.pieces.at(pieceIndex).get();
    for (const auto& group : board.groups)
        if (std::find(group->pieces.begin(), group->pieces.end(), piece) != group->pieces.end())
            return group.get();
    return nullptr;
}

// Moves the group so that its pieces lie at their place shifted by (dx, dy).
void Place(PieceGroup& group, int32_t dx, int32_t dy) {
    group.offsetX = dx;
    group.offsetY = dy;
}

// Picks the piece's group at the piece's centre and drops it where it is.
DropResult PickAndDrop(Board& board, size_t pieceIndex) {
    const PieceGroup* group = GroupOf(board, pieceIndex);
    const Gdiplus::Point c = CellCentre(*board.pieces[pieceIndex]);
    EXPECT_TRUE(board.Pick(c.X + group->offsetX, c.Y + group->offsetY));
    EXPECT_EQ(board.dragged, group);
    return board.Drop();
}

}   // namespace

TEST(BoardDrag, APressInASocketPicksThePieceUnderneath) {
    std::unique_ptr<Board> board = NewBoard(200, 100, 2);
    // A point in one piece's box but in its socket, covered by the other piece's tab.
    int owner = -1;
    Gdiplus::Point at;
    for (int y = 0; y < 100 && owner < 0; ++y)
        for (int x = 0; x < 200 && owner < 0; ++x)
            for (int k = 0; k < 2 && owner < 0; ++k)
                if (board->pieces[k]->bounds.Contains(x, y) && !GroupHitTest(*board->groups[k], x, y) &&
                    GroupHitTest(*board->groups[1 - k], x, y))
                    owner = k, at = {x, y};
    ASSERT_GE(owner, 0);
    // The socket's owner is drawn on top, so a test of boxes alone would pick it.
    PieceGroup* underneath = board->groups[1 - owner].get();
    if (owner == 0)
        std::swap(board->groups[0], board->groups[1]);
    ASSERT_TRUE(board->Pick(at.X, at.Y));
    EXPECT_EQ(board->dragged, underneath);
    EXPECT_EQ(board->groups.back().get(), underneath);   // brought to the top
}

TEST(BoardDrag, PickTakesTheTopmostGroupAndRemembersTheGrabPoint) {
    std::unique_ptr<Board> board = NewBoard(280, 200, 7);
    PieceGroup* first = board->groups[0].get();
    PieceGroup* second = board->groups[1].get();
    Place(*first, 500, 300);
    Place(*second, 500 - 40, 300);   // the same board spot as piece 0's centre
    const Gdiplus::Point c = CellCentre(*board->pieces[0]);
    ASSERT_TRUE(board->Pick(c.X + 500, c.Y + 300));
    EXPECT_EQ(board->dragged, second);   // later in the drawing order, so on top
    EXPECT_EQ(board->grabX, c.X + 500 - (second->box.X + second->offsetX));
    EXPECT_EQ(board->grabY, c.Y + 300 - (second->box.Y + second->offsetY));
    EXPECT_FALSE(board->Pick(-5, -5));
}

TEST(BoardDrag, EdgesOnlyHidesInnerGroupsFromPickingAndJoining) {
    std::unique_ptr<Board> board = NewBoard(280, 200, 7);   // 7 x 5
    board->edgesOnly = true;
    // Piece 8 (row 1, column 1) is inner; piece 1 is on the border beside it.
    const Gdiplus::Point inner = CellCentre(*board->pieces[8]);
    EXPECT_FALSE(board->Pick(inner.X, inner.Y));
    EXPECT_EQ(board->dragged, nullptr);

    // Everything lies in place; the border piece 1 joins its shown neighbours 0, 2 and 7 (at
    // a corner), but not the inner 8 and 9 it touches too.
    const DropResult drop = PickAndDrop(*board, 1);
    EXPECT_TRUE(drop.joined);
    for (size_t hidden : {8u, 9u})
        EXPECT_EQ(GroupOf(*board, hidden)->pieces.size(), 1u) << "piece " << hidden;
    EXPECT_EQ(GroupOf(*board, 1)->pieces.size(), 4u);
}

TEST(BoardDrag, JoinsOnlyWhenBothOffsetsDifferByLessThan20) {
    struct Case {
        int32_t dx, dy;
        bool joins;
    };
    const Case cases[] = {
        {19, 0, true},  {20, 0, false},  {-19, 0, true}, {-20, 0, false}, {0, 19, true},    {0, 20, false},
        {0, -19, true}, {0, -20, false}, {19, 19, true}, {19, 20, false}, {-19, -19, true},
    };
    for (const Case& c : cases) {
        std::unique_ptr<Board> board = NewBoard(200, 100, 2);
        Place(*board->groups[0], 300, 200);
        Place(*board->groups[1], 300 + c.dx, 200 + c.dy);
        const DropResult drop = PickAndDrop(*board, 1);
        EXPECT_EQ(drop.joined, c.joins) << c.dx << ", " << c.dy;
        EXPECT_EQ(board->groups.size(), c.joins ? 1u : 2u) << c.dx << ", " << c.dy;
        if (c.joins) {
            // The dropped piece jumped into exact alignment with the one it joined.
            EXPECT_EQ(board->groups[0]->offsetX, 300);
            EXPECT_EQ(board->groups[0]->offsetY, 200);
        }
    }
}

TEST(BoardDrag, PiecesTouchingOnlyAtACornerJoin) {
    std::unique_ptr<Board> board = NewBoard(280, 200, 7);
    // Pieces 0 and 8 share only vertex 9; everything else is far away.
    for (auto& group : board->groups)
        Place(*group, 1000, 1000);
    Place(*GroupOf(*board, 0), 0, 0);
    Place(*GroupOf(*board, 8), 5, -7);
    EXPECT_TRUE(PickAndDrop(*board, 8).joined);
    EXPECT_EQ(GroupOf(*board, 0), GroupOf(*board, 8));
}

TEST(BoardDrag, APieceBesideTwoGroupsInPlaceJoinsThemIntoTheLargerWhichStays) {
    std::unique_ptr<Board> board = NewBoard(280, 200, 7);   // 7 x 5, row by row
    for (auto& group : board->groups)
        Place(*group, 900, 900);
    // A group of 10 (rows 0 and 1, columns 0 to 4) and one of 3 (row 2, columns 3 to 5) lie
    // nearly in place; piece 12 (row 1, column 5), beside both, is dropped 15 pixels off.
    Join(*board, {0, 1, 2, 3, 4, 7, 8, 9, 10, 11});
    Join(*board, {GroupIndex(*board, 17), GroupIndex(*board, 18), GroupIndex(*board, 19)});
    PieceGroup* ten = GroupOf(*board, 0);
    PieceGroup* three = GroupOf(*board, 17);
    ASSERT_EQ(ten->pieces.size(), 10u);
    ASSERT_EQ(three->pieces.size(), 3u);
    Place(*ten, 40, 30);
    Place(*three, 40 + 12, 30 + 9);
    Place(*GroupOf(*board, 12), 40 + 15, 30 + 15);
    const Rect tenBefore = ten->BoardBox();
    const Rect threeBefore = three->BoardBox();
    const Rect pieceBefore = GroupOf(*board, 12)->BoardBox();

    const DropResult drop = PickAndDrop(*board, 12);
    ASSERT_TRUE(drop.joined);
    EXPECT_EQ(GroupOf(*board, 12), ten);
    EXPECT_EQ(GroupOf(*board, 17), ten);
    EXPECT_EQ(ten->pieces.size(), 14u);
    EXPECT_EQ(ten->offsetX, 40);
    EXPECT_EQ(ten->offsetY, 30);
    EXPECT_EQ(board->groups.back().get(), ten);
    EXPECT_EQ(board->dragged, nullptr);
    // The repaint covers where the three groups were and where the target is now.
    Rect expected;
    UnionRect(expected, tenBefore, threeBefore);
    UnionRect(expected, expected, pieceBefore);
    UnionRect(expected, expected, ten->BoardBox());
    EXPECT_EQ(drop.area, expected);
}

TEST(BoardDrag, AmongEqualCandidatesTheLowerInTheDrawingOrderIsTheTarget) {
    std::unique_ptr<Board> board = NewBoard(200, 100, 3, CutKind::Square);   // 3 x 2
    for (auto& group : board->groups)
        Place(*group, 0, 0);
    // Piece 1 touches both piece 0 and piece 2, each a group of one.
    PieceGroup* lower = GroupOf(*board, 2);
    std::rotate(board->groups.begin(), board->groups.begin() + 2, board->groups.begin() + 3);
    ASSERT_EQ(board->groups[0].get(), lower);
    Place(*lower, 3, 3);
    Place(*GroupOf(*board, 1), 6, 6);
    const DropResult drop = PickAndDrop(*board, 1);
    ASSERT_TRUE(drop.joined);
    EXPECT_EQ(GroupOf(*board, 1), lower);
    EXPECT_EQ(lower->offsetX, 3);   // the target never moves
}

TEST(BoardDrag, DraggingStaysInsideTheBoardRectangleTabsIncluded) {
    std::unique_ptr<Board> board = NewBoard(280, 200, 7);
    const Rect boardRect(0, 0, 800, 600);
    const size_t bottomRow = 30;   // row 4, column 2: its lower edge is the picture's
    const size_t inner = 16;       // row 2: tabs on every side
    for (size_t index : {bottomRow, inner}) {
        PieceGroup* group = GroupOf(*board, index);
        const Gdiplus::Point c = CellCentre(*board->pieces[index]);
        ASSERT_TRUE(board->Pick(c.X, c.Y));
        board->DragTo(c.X + 5000, c.Y + 5000, boardRect);
        const Rect box = group->BoardBox();
        EXPECT_EQ(box.GetRight(), boardRect.GetRight()) << "piece " << index;
        EXPECT_EQ(box.GetBottom(), boardRect.GetBottom()) << "piece " << index;
        board->DragTo(c.X - 5000, c.Y - 5000, boardRect);
        EXPECT_EQ(group->BoardBox().X, 0);
        EXPECT_EQ(group->BoardBox().Y, 0);
        // Back where it was picked: start plus offset, nothing accumulated.
        board->DragTo(c.X + 100, c.Y + 50, boardRect);
        EXPECT_EQ(group->offsetX, 100);
        EXPECT_EQ(group->offsetY, 50);
        board->Drop();
    }
    // A group larger than the board keeps its left and top edge on the board's.
    board->NewGame();
    Join(*board, {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17,
                  18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34});
    const Gdiplus::Point c = CellCentre(*board->pieces[0]);
    ASSERT_TRUE(board->Pick(c.X, c.Y));
    board->DragTo(c.X + 50, c.Y + 50, Rect(10, 20, 100, 100));
    EXPECT_EQ(board->dragged->BoardBox().X, 10);
    EXPECT_EQ(board->dragged->BoardBox().Y, 20);
}

TEST(BoardDrag, ADropThatJoinsNothingReportsNothingToRepaint) {
    std::unique_ptr<Board> board = NewBoard(280, 200, 7);
    for (auto& group : board->groups)
        Place(*group, 1000, 1000);
    Place(*GroupOf(*board, 0), 0, 0);
    const DropResult drop = PickAndDrop(*board, 0);
    EXPECT_TRUE(drop.dropped);
    EXPECT_FALSE(drop.joined);
    EXPECT_TRUE(drop.area.IsEmptyArea());
    EXPECT_FALSE(board->Drop().dropped);   // nothing held any more
}

TEST(BoardDrag, TheClockStartsOnThePickUpAndStopsWithTheLastJoin) {
    std::unique_ptr<Board> board = NewBoard(200, 100, 2);
    ASSERT_EQ(board->clock, ClockState::NotStarted);
    Place(*board->groups[1], 400, 0);
    const Gdiplus::Point c = CellCentre(*board->pieces[1]);
    ASSERT_TRUE(board->Pick(c.X + 400, c.Y));
    EXPECT_EQ(board->clock, ClockState::Running);
    board->StopClock();   // a pause
    board->Drop();
    ASSERT_TRUE(board->Pick(c.X + 400, c.Y));
    EXPECT_EQ(board->clock, ClockState::Running);   // the next pick-up restarts it
    board->DragTo(c.X + 2, c.Y + 3, Rect(0, 0, 800, 600));
    const DropResult drop = board->Drop();
    EXPECT_TRUE(drop.solved);
    EXPECT_EQ(board->clock, ClockState::Stopped);
    // One group left: picking it up no longer starts the clock.
    ASSERT_TRUE(board->Pick(c.X, c.Y));
    EXPECT_EQ(board->clock, ClockState::Stopped);
}
