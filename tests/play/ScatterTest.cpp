// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "geometry/Random.h"
#include "play/BoardFixture.h"
#include "play/Scatter.h"

using Gdiplus::Rect;

namespace {

// A scripted generator: the head values once, then the cycle over and over; counts the calls.
struct Script {
    std::vector<int32_t> head;
    std::vector<int32_t> cycle;
    int calls = 0;

    std::function<int32_t()> Source() {
        return [this] {
            const size_t i = static_cast<size_t>(calls++);
            if (i < head.size())
                return head[i];
            return cycle.empty() ? Random::Next() : cycle[(i - head.size()) % cycle.size()];
        };
    }
};

std::vector<PieceGroup*> DrawingOrder(const Board& board) {
    std::vector<PieceGroup*> order;
    for (const auto& group : board.groups)
        order.push_back(group.get());
    return order;
}

// A board rectangle whose range for a 100-pixel box is exactly 32768, so a random value r
// gives the candidate position r itself.
const Rect kHugeBoard(0, 0, 32868, 32868);
const Rect kCornerPreview(0, 0, 1, 1);

}   // namespace

TEST(Scatter, TargetIsThirtyPercentOfTheBoardCentredOrThePictureItself) {
    // 800 x 600: area 144000 in 4 : 3 is 438.2 x 328.6.
    EXPECT_EQ(TargetRect(Rect(0, 0, 800, 600), 1000, 750), Rect(181, 135, 438, 329));
    EXPECT_EQ(TargetRect(Rect(0, 0, 800, 600), 400, 300), Rect(200, 150, 400, 300));
    EXPECT_EQ(TargetRect(kHugeBoard, 200, 100), Rect(16334, 16384, 200, 100));
}

TEST(Scatter, KeepsEveryGroupInsideTheBoardAndOffThePreviewAndTarget) {
    std::unique_ptr<Board> board = NewBoard(280, 200, 7);
    const std::vector<PieceGroup*> before = DrawingOrder(*board);
    const Rect bounds(0, 0, 800, 560);
    const Rect preview(599, 416, 200, 143);
    Random::Reset();
    Scatter(*board, bounds, preview);
    EXPECT_EQ(DrawingOrder(*board), before);
    const Rect target = TargetRect(bounds, 280, 200);
    for (const auto& group : board->groups) {
        const Rect box = group->BoardBox();
        EXPECT_GE(box.X, 0);
        EXPECT_GE(box.Y, 0);
        EXPECT_LE(box.GetRight(), bounds.GetRight());
        EXPECT_LE(box.GetBottom(), bounds.GetBottom());
        EXPECT_EQ(GroupRectOverlap(*group, preview), 0);
        EXPECT_LE(GroupRectOverlap(*group, target), 50);
    }
}

TEST(Scatter, CrowdedOrCoveredBoardsStillPlaceEveryGroup) {
    struct Case {
        Rect bounds, preview;
        int minCalls;
    };
    const Case cases[] = {
        {{0, 0, 300, 220}, {240, 180, 60, 40}, 0},        // less free room than the pieces need
        {{0, 0, 400, 400}, {0, 0, 400, 400}, 2 * 1000},   // the preview covers everything
    };
    for (const Case& c : cases) {
        std::unique_ptr<Board> board = NewBoard(280, 200, 7);
        Script script;
        Scatter(*board, c.bounds, c.preview, script.Source());
        const int groups = static_cast<int>(board->groups.size());
        EXPECT_GE(script.calls, groups * c.minCalls);
        EXPECT_LE(script.calls, groups * 2 * (999 + 39 + 30));
        for (const auto& group : board->groups) {
            const Rect box = group->BoardBox();
            EXPECT_GE(box.X, 0);
            EXPECT_GE(box.Y, 0);
            EXPECT_LE(box.GetRight(), c.bounds.GetRight());
            EXPECT_LE(box.GetBottom(), c.bounds.GetBottom());
        }
    }
}

TEST(Scatter, ShufflePlacesLargerGroupsFirstAndKeepsThemJoined) {
    std::unique_ptr<Board> board = NewBoard(280, 200, 7);
    Join(*board, {14, 15});           // two pieces, early in the drawing order
    Join(*board, {21, 22, 28, 29});   // a 2 x 2 block, later
    PieceGroup* pair = board->groups[14].get();
    PieceGroup* block = board->groups[21].get();
    ASSERT_EQ(pair->pieces.size(), 2u);
    ASSERT_EQ(block->pieces.size(), 4u);
    const std::vector<Piece*> blockPieces = block->pieces;
    const std::vector<PieceGroup*> before = DrawingOrder(*board);

    // The block gets the first candidate, the top-left corner; the pair the second, top right.
    Script script{{0, 0, 32767, 0}, {}};
    Random::Reset();
    Scatter(*board, Rect(0, 0, 800, 560), Rect(599, 416, 200, 143), script.Source());
    EXPECT_EQ(DrawingOrder(*board), before);
    EXPECT_EQ(block->pieces, blockPieces);
    EXPECT_EQ(block->BoardBox().X, 0);
    EXPECT_EQ(block->BoardBox().Y, 0);
    EXPECT_EQ(pair->BoardBox().X, static_cast<int32_t>(32767.0 / 32768 * static_cast<float>(800 - pair->box.Width)));
    EXPECT_EQ(pair->BoardBox().Y, 0);
}

TEST(Scatter, TargetOverlapOfFiftyIsScoredAndFiftyOneRedrawn) {
    struct Case {
        int32_t x;
        int calls;
    };
    const Case cases[] = {
        {16284, 2 * 30},          // overlap 50 x 1: scored at once, 30 counted tries
        {16285, 2 * (39 + 30)},   // overlap 51 x 1: 39 free redraws first
    };
    for (const Case& c : cases) {
        std::unique_ptr<Board> board = NewBoard(200, 100, 2, CutKind::Square);
        board->groups.pop_back();   // one 100 x 100 group at (0, 0)
        Script script{{}, {c.x, 16285}};
        Scatter(*board, kHugeBoard, kCornerPreview, script.Source());
        EXPECT_EQ(script.calls, c.calls) << c.x;
        EXPECT_EQ(board->groups[0]->offsetX, c.x);
        EXPECT_EQ(board->groups[0]->offsetY, 16285);
    }
}

TEST(Scatter, ScoreBelowTenEndsTheSearch) {
    struct Case {
        int32_t x;
        int calls;
    };
    const Case cases[] = {
        {1090, 2 + 2 * 30},   // overlaps the first group by 10 x 1: keeps trying
        {1091, 2 + 2},        // by 9 x 1: stops at once
    };
    for (const Case& c : cases) {
        std::unique_ptr<Board> board = NewBoard(200, 100, 2, CutKind::Square);
        // The first group lands at (1000, 1000) with score 0; the second tries one spot.
        Script script{{1000, 1000}, {c.x, 1099}};
        Scatter(*board, kHugeBoard, kCornerPreview, script.Source());
        EXPECT_EQ(script.calls, c.calls) << c.x;
        EXPECT_EQ(board->groups[0]->BoardBox(), Rect(1000, 1000, 100, 100));
        EXPECT_EQ(board->groups[1]->BoardBox(), Rect(c.x, 1099, 100, 100));
    }
}
