#pragma once
// The model of one game: picture, cut, pieces, groups in drawing order, the clock and filter.

#include <cstdint>
#include <memory>
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
