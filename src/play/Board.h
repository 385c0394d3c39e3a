// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The model of one game: picture, cut, pieces, groups in drawing order, the clock and filter.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "foundation/CPtr.h"
#include "foundation/DateTime.h"
#include "foundation/TimeSpan.h"
#include "geometry/Cut.h"
#include "geometry/Piece.h"
#include "geometry/PictureOwner.h"
#include "play/PieceGroup.h"

namespace Gdiplus {
class Graphics;
}

enum class ClockState : int32_t { NotStarted = 0, Running = 1, Stopped = 2 };

// The groups a dropped group joins: the largest becomes the target, which never moves; the
// others, the dropped group last, come to it.
struct Snap {
    PieceGroup* target = nullptr;
    std::vector<PieceGroup*> joined;
};

// What a drop did, for the page to repaint, sound and announce; the board itself never draws.
struct DropResult {
    bool dropped = false;   // a group was held
    bool joined = false;    // it joined at least one neighbour
    // The joined groups' board boxes before the merge and the target's after it; empty when
    // nothing joined, since then nothing on the board changed.
    Gdiplus::Rect area;
    bool solved = false;   // one group is left
};

class Board : public PictureOwner {
public:
    Board() = default;
    // Frees the pieces, then the groups, then the cut, then the picture.
    ~Board();
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    // The process-wide board: created at start-up (replacing and destroying any previous
    // one), reached by every page, destroyed at shutdown. Current() is null when there is none.
    static Board& CreateCurrent();
    static Board* Current();
    static void DestroyCurrent();

    // Cuts the picture afresh with one group per piece, all at offset (0, 0), and resets the
    // clock. Scatter places the groups afterwards.
    void NewGame();

    void StartClock();
    // Adds the running interval once; does nothing unless the clock runs.
    void StopClock();
    TimeSpan Elapsed() const;
    // "mm:ss" with the hours folded into the minutes; whole days are dropped.
    std::string ElapsedText() const;

    // Under "Edges Only" only groups holding a border piece are drawn, picked up or joined.
    bool IsShown(const PieceGroup& group) const { return !edgesOnly || group.IsEdgeGroup(); }
    // Draws the shown groups bottom to top, skipping everything outside the graphics' clip.
    void Draw(Gdiplus::Graphics& graphics) const;

    // Two groups are in place relative to each other when their offsets differ by less than
    // this in both directions.
    static constexpr int32_t snapTolerance = 20;

    // Picks up the topmost shown group with a piece (not a socket) under board point (x, y),
    // brings it to the top and starts the clock when more than one group exists; false when
    // nothing shown lies there.
    bool Pick(int32_t x, int32_t y);
    // Moves the held group so that the grab point follows (x, y), its box kept inside the
    // board rectangle (the left and top limits win when the group is larger).
    void DragTo(int32_t x, int32_t y, const Gdiplus::Rect& boardRect);
    // The shown neighbours lying in place relative to the group, in drawing order, and the
    // one of them to join into; nothing when there is none.
    std::optional<Snap> FindSnap(PieceGroup& group) const;
    // Moves the pieces of the joined groups into the target, frees those groups, puts the
    // target on top and stops the clock when one group is left.
    void MergeGroups(PieceGroup* target, const std::vector<PieceGroup*>& joined);
    // Ends the drag: the held group joins every neighbour in place.
    DropResult Drop();

    bool IsSolved() const { return groups.size() == 1; }

    DateTime clockStart;
    TimeSpan elapsed;
    ClockState clock = ClockState::NotStarted;
    // The chosen puzzle, stored for the pages.
    int32_t puzzleId = 0;
    // Declared before pieces and groups so that it is destroyed after them.
    CPtr<Cut> cut;
    // Drawing order: the first is drawn first (lowest), the last is on top.
    std::vector<std::unique_ptr<PieceGroup>> groups;
    // In the order the cut made them, row by row; groups point into these.
    std::vector<std::unique_ptr<Piece>> pieces;
    PieceGroup* dragged = nullptr;
    // The mouse position relative to the dragged group's board box when it was picked up.
    int32_t grabX = 0;
    int32_t grabY = 0;
    bool edgesOnly = false;
};
