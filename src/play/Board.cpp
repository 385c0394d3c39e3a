// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/Board.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "gfx/Rectangles.h"
#include "gfx/Graphics.h"

namespace {

std::unique_ptr<Board>& CurrentBoard() {
    static std::unique_ptr<Board> board;
    return board;
}

}   // namespace

Board::~Board() {
    pieces.clear();
    groups.clear();
    cut.Reset();
}

Board& Board::CreateCurrent() {
    std::unique_ptr<Board>& current = CurrentBoard();
    current.reset();
    current = std::make_unique<Board>();
    return *current;
}

Board* Board::Current() { return CurrentBoard().get(); }

void Board::DestroyCurrent() { CurrentBoard().reset(); }

void Board::NewGame() {
    elapsed = TimeSpan();
    clock = ClockState::NotStarted;
    // The old groups point into the pieces about to be replaced: free them first, and drop
    // the drag that may still name one.
    dragged = nullptr;
    groups.clear();
    cut->BuildPieces(pieces);
    groups.reserve(pieces.size());
    for (const std::unique_ptr<Piece>& piece : pieces)
        groups.push_back(std::make_unique<PieceGroup>(piece.get()));
}

void Board::StartClock() {
    clockStart = DateTime::UtcNow();
    clock = ClockState::Running;
}

void Board::StopClock() {
    if (clock != ClockState::Running)
        return;
    elapsed = elapsed.Add(DateTime::UtcNow().Subtract(clockStart));
    clock = ClockState::Stopped;
}

TimeSpan Board::Elapsed() const {
    if (clock == ClockState::Running)
        return elapsed.Add(DateTime::UtcNow().Subtract(clockStart));
    return elapsed;
}

std::string Board::ElapsedText() const {
    const int64_t ticks = Elapsed().Ticks;
    const int64_t hours = ticks / TimeSpan::kTicksPerHour % 24;
    const int64_t minutes = ticks / TimeSpan::kTicksPerMinute % 60;
    const int64_t seconds = ticks / TimeSpan::kTicksPerSecond % 60;
    char text[32];
    std::snprintf(text, sizeof text, "%02i:%02i", static_cast<int>(hours * 60 + minutes), static_cast<int>(seconds));
    return text;
}

void Board::Draw(Gdiplus::Graphics& graphics) const {
    Gdiplus::Rect clip;
    graphics.GetClipBounds(&clip);
    Gdiplus::Rect visible;
    for (const std::unique_ptr<PieceGroup>& group : groups)
        if (IsShown(*group) && Gdiplus::Rect::Intersect(visible, group->BoardBox(), clip))
            group->Draw(graphics, clip);
}

bool Board::Pick(int32_t x, int32_t y) {
    // Top to bottom: the group drawn last is the one the player sees under the pointer.
    auto hit = std::find_if(groups.rbegin(), groups.rend(),
                            [&](const auto& group) { return IsShown(*group) && GroupHitTest(*group, x, y); });
    if (hit == groups.rend())
        return false;
    if (groups.size() > 1 && clock != ClockState::Running)
        StartClock();
    auto position = std::prev(hit.base());
    std::rotate(position, std::next(position), groups.end());
    dragged = groups.back().get();
    const Gdiplus::Rect box = dragged->BoardBox();
    grabX = x - box.X;
    grabY = y - box.Y;
    return true;
}

void Board::DragTo(int32_t x, int32_t y, const Gdiplus::Rect& boardRect) {
    if (!dragged)
        return;
    const Gdiplus::Rect& box = dragged->box;
    // The start of the drag plus the pointer's offset, never summed steps, so nothing drifts.
    int32_t left = std::min(x - grabX, boardRect.X + boardRect.Width - box.Width);
    int32_t top = std::min(y - grabY, boardRect.Y + boardRect.Height - box.Height);
    left = std::max(left, boardRect.X);
    top = std::max(top, boardRect.Y);
    dragged->offsetX = left - box.X;
    dragged->offsetY = top - box.Y;
}

std::optional<Snap> Board::FindSnap(PieceGroup& group) const {
    Snap snap;
    size_t targetIndex = 0;
    for (const std::unique_ptr<PieceGroup>& other : groups) {
        if (other.get() == &group || !IsShown(*other))
            continue;
        // The offsets first: they rule out almost every group before the vertex comparison.
        if (std::abs(group.offsetX - other->offsetX) >= snapTolerance ||
            std::abs(group.offsetY - other->offsetY) >= snapTolerance || !group.SharesVertexWith(*other))
            continue;
        if (snap.joined.empty() || other->pieces.size() > snap.joined[targetIndex]->pieces.size())
            targetIndex = snap.joined.size();
        snap.joined.push_back(other.get());
    }
    if (snap.joined.empty())
        return std::nullopt;
    snap.target = snap.joined[targetIndex];
    snap.joined.erase(snap.joined.begin() + static_cast<std::ptrdiff_t>(targetIndex));
    snap.joined.push_back(&group);
    return snap;
}

void Board::MergeGroups(PieceGroup* target, const std::vector<PieceGroup*>& joined) {
    // The joined groups leave the drawing order but live until their pieces have moved.
    std::vector<std::unique_ptr<PieceGroup>> leaving;
    auto kept = std::stable_partition(groups.begin(), groups.end(), [&](const auto& group) {
        return std::find(joined.begin(), joined.end(), group.get()) == joined.end();
    });
    std::move(kept, groups.end(), std::back_inserter(leaving));
    groups.erase(kept, groups.end());

    for (PieceGroup* group : joined)
        for (Piece* piece : group->pieces)
            target->AddPiece(piece);

    auto position =
        std::find_if(groups.begin(), groups.end(), [&](const auto& group) { return group.get() == target; });
    if (position != groups.end())
        std::rotate(position, std::next(position), groups.end());
    if (groups.size() == 1)
        StopClock();
    if (dragged && std::find(joined.begin(), joined.end(), dragged) != joined.end())
        dragged = nullptr;
}

DropResult Board::Drop() {
    DropResult result;
    if (!dragged)
        return result;
    result.dropped = true;
    PieceGroup* group = dragged;
    dragged = nullptr;

    std::optional<Snap> snap = FindSnap(*group);
    if (!snap)
        return result;
    Gdiplus::Rect area = snap->target->BoardBox();
    for (const PieceGroup* other : snap->joined)
        UnionRect(area, area, other->BoardBox());
    MergeGroups(snap->target, snap->joined);
    UnionRect(area, area, snap->target->BoardBox());

    result.joined = true;
    result.area = area;
    result.solved = IsSolved();
    return result;
}
