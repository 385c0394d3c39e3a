#include "play/Board.h"

#include <cstdio>

#include "gfx/Graphics.h"

namespace {

std::unique_ptr<Board>& CurrentBoard() {
    static std::unique_ptr<Board> board;
    return board;
}

}  // namespace

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

Board* Board::Current() {
    return CurrentBoard().get();
}

void Board::DestroyCurrent() {
    CurrentBoard().reset();
}

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
    std::snprintf(text, sizeof text, "%02i:%02i", static_cast<int>(hours * 60 + minutes),
                  static_cast<int>(seconds));
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
