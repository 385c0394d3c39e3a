// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games played through injected mouse messages only, and a long random soak that checks
// the board's invariants after every step.

#include <map>
#include <random>
#include <set>

#include "PlayTestSupport.h"
#include "ui/DialogGameComplete.h"

namespace {

using namespace PlayTest;

class PlayByMouseTest : public PlayPageTest {
protected:
    // Random presses, moves and releases on one puzzle, checking the board after every step:
    // the filter on for the first half, so that hidden groups must stay single, then every
    // group in play.
    void RunSoak(int width, int height, int longSide, size_t pieces, int steps);
};

TEST_F(PlayByMouseTest, PuzzlesAreSolvedWithOneSoundPerJoinAndOneCompletionPanel) {
    struct Case {
        int width, height, longSide;
        size_t pieces;
        size_t button;
        bool toGallery;
    };
    const Case cases[] = {
        {300, 300, 2, 4, 0, true},     // 2 x 2, "Back to Gallery"
        {420, 300, 7, 35, 3, false},   // 7 x 5, "Close"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pieces);
        StartGame(c.width, c.height, c.longSide);
        ASSERT_EQ(board->pieces.size(), c.pieces);
        navigator.calls.clear();
        const size_t soundsBefore = Headless::PlayedSounds().size();
        int panels = 0;
        const int joins = SolveByMouse([&](Dialog& panel) {
            ++panels;
            EXPECT_NE(dynamic_cast<DialogGameComplete*>(&panel), nullptr);
            EXPECT_EQ(panel.Caption, "Well Done!");
            EXPECT_EQ(board->clock, ClockState::Stopped);
            ClickChild(panel, c.button);
        });
        ASSERT_GT(joins, 0) << "a group could not be reached";
        EXPECT_TRUE(board->IsSolved());
        EXPECT_EQ(panels, 1);
        const std::vector<std::string>& sounds = Headless::PlayedSounds();
        ASSERT_EQ(sounds.size() - soundsBefore, static_cast<size_t>(joins));
        for (size_t i = soundsBefore; i < sounds.size(); ++i)
            EXPECT_EQ(sounds[i], "A_FIT");
        EXPECT_EQ(navigator.calls,
                  c.toGallery ? std::vector<std::string>{"ShowPageStart"} : std::vector<std::string>{});
        // The finished picture lies assembled at one offset, inside the board.
        EXPECT_TRUE(page.BoardRect().Contains(board->groups.front()->BoardBox()));
    }
}

// Every piece in exactly one group, every group inside the board rectangle (a join may pull
// pieces up to 19 pixels beyond it, to their places beside the group that stays), the group count
// falling only through joins (by what the joins took), hidden groups never joined, nothing
// held after a release.
class Invariants {
public:
    explicit Invariants(Board& board) : board(board), groups(board.groups.size()) {}

    void Check(const Gdiplus::Rect& boardRect, bool released) {
        std::set<const Piece*> seen;
        size_t pieces = 0;
        for (const auto& group : board.groups) {
            for (const Piece* piece : group->pieces)
                seen.insert(piece);
            pieces += group->pieces.size();
            const int32_t slack = Board::snapTolerance - 1;
            const Gdiplus::Rect reach(boardRect.X - slack, boardRect.Y - slack, boardRect.Width + 2 * slack,
                                      boardRect.Height + 2 * slack);
            ASSERT_TRUE(reach.Contains(group->BoardBox())) << "a group left the board";
        }
        ASSERT_EQ(pieces, board.pieces.size());
        ASSERT_EQ(seen.size(), board.pieces.size());
        // While the filter stays on, the hidden groups stay exactly as they were.
        std::map<const PieceGroup*, size_t> nowHidden;
        if (board.edgesOnly)
            for (const auto& group : board.groups)
                if (!group->IsEdgeGroup())
                    nowHidden[group.get()] = group->pieces.size();
        if (board.edgesOnly && filtered) {
            ASSERT_EQ(nowHidden, hidden) << "a hidden group was joined";
        }
        hidden = std::move(nowHidden);
        filtered = board.edgesOnly;
        ASSERT_LE(board.groups.size(), groups);
        groups = board.groups.size();
        if (released) {
            ASSERT_EQ(board.dragged, nullptr);
        }
    }

private:
    Board& board;
    size_t groups;
    bool filtered = false;
    std::map<const PieceGroup*, size_t> hidden;   // and their piece counts
};

TEST_F(PlayByMouseTest, RandomPressesMovesAndReleasesKeepTheBoardConsistent) {
    struct Case {
        int width, height, longSide;
        size_t pieces;
        int steps;
    };
    const Case cases[] = {
        {300, 300, 2, 4, 1000},      // 2 x 2: solved, panel closed, played on
        {420, 300, 7, 35, 2000},     // 7 x 5
        {600, 600, 25, 625, 4000},   // 25 x 25, the largest setting
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pieces);
        RunSoak(c.width, c.height, c.longSide, c.pieces, c.steps);
        if (HasFatalFailure())
            return;
    }
}

void PlayByMouseTest::RunSoak(int width, int height, int longSide, size_t pieces, int steps) {
    StartGame(width, height, longSide);
    ASSERT_EQ(board->pieces.size(), pieces);
    if (board->edgesOnly != true) {
        Click({page.FilterButton.Bounds.X + 5, page.FilterButton.Bounds.Y + 5});
        Pump();
    }
    ASSERT_TRUE(board->edgesOnly);
    const Gdiplus::Rect boardRect = page.BoardRect();
    Invariants invariants(*board);
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> x(-50, kWidth + 50), y(-50, kHeight + 50);
    std::uniform_int_distribution<int> action(0, 9);
    std::uniform_int_distribution<int> jitter(-25, 25);
    bool held = false;
    POINT cursor{0, 0};
    for (int step = 0; step < steps; ++step) {
        POINT at{x(random), y(random)};
        const int a = action(random);
        if (!held && a < 3) {
            // Aim at a piece most of the time, so that groups are really dragged and joined.
            if (a < 2 && !board->groups.empty()) {
                const auto& group = board->groups[static_cast<size_t>(at.x) % board->groups.size()];
                if (const std::optional<POINT> free = FreePointOf(*group))
                    at = *free;
            }
            Headless::InjectMouse(WM_LBUTTONDOWN, at);
            held = true;
        } else if (held && a < 3) {
            // Mostly released close to a neighbour's place, within the snap distance or not.
            if (a < 2 && board->dragged) {
                const PieceGroup& moving = *board->dragged;
                for (const auto& other : board->groups)
                    if (other.get() != &moving && moving.SharesVertexWith(*other)) {
                        at = {cursor.x + other->offsetX - moving.offsetX + jitter(random),
                              cursor.y + other->offsetY - moving.offsetY + jitter(random)};
                        Headless::InjectMouse(WM_MOUSEMOVE, at);
                        break;
                    }
            }
            Headless::InjectMouse(WM_LBUTTONUP, at);
            held = false;
        } else {
            Headless::InjectMouse(WM_MOUSEMOVE, at);
        }
        cursor = at;
        stepper.Post([] {
            if (Dialog* panel = PanelUp())
                ClickChild(*panel, panel->Children.size() > 3 ? 3 : 0);   // "Close", "No", "Resume"
        });
        Pump();
        ASSERT_NO_FATAL_FAILURE(invariants.Check(boardRect, !held));
        if (step == steps / 2) {
            if (held)
                Headless::InjectMouse(WM_LBUTTONUP, cursor);
            held = false;
            // Random presses on the bar may have switched it already.
            if (board->edgesOnly)
                Click({page.FilterButton.Bounds.X + 5, page.FilterButton.Bounds.Y + 5});
            Pump();
            ASSERT_FALSE(board->edgesOnly);
        }
    }
    EXPECT_LT(board->groups.size(), pieces - pieces / 20) << "the soak hardly joined anything";
}

}   // namespace
