// SPDX-License-Identifier: GPL-3.0-or-later
// The play page at 625 pieces through its real code on the headless window system: a window
// message reaches the page's handler, moves the board and paints through the shared buffer
// into the window's surface. A full-HD page (1920 x 1017 client) with a square picture.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>
#include <string>

#include "pages/GameSession.h"
#include "pages/PageGame.h"
#include "platform/Headless.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "play/Board.h"
#include "play/PlayPicture.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1017;

// A picture with detail everywhere, so that no piece image is trivially uniform.
std::unique_ptr<Gdiplus::Bitmap> NewPicture(int width, int height) {
    auto picture = std::make_unique<Gdiplus::Bitmap>(width, height);
    uint8_t* data = picture->PixelData();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            reinterpret_cast<uint32_t*>(data + y * picture->Stride())[x] =
                0xFF000000u | uint32_t(x * 3 & 0xFF) << 16 | uint32_t(y * 5 & 0xFF) << 8 | uint32_t((x ^ y) & 0xFF);
    picture->MarkDirty();
    return picture;
}

// The game's session on the program folder, its board with a 25 x 25 cut, and the page, shown
// and painted once.
class PlayPage {
public:
    PlayPage() {
        Board& board = game.GetBoard();
        board.cut->longSideCount = 25;
        const Gdiplus::Size size = PlayPictureSize(kWidth, kHeight, 1000, 1000);
        board.picture.Reset(NewPicture(size.Width, size.Height));
        page = std::make_unique<PageGame>(board, navigator);
        page->Create(nullptr, RECT{0, 0, kWidth, kHeight}, "play", WS_POPUP);
        ShowWindow(*page, SW_SHOW);
        page->StartGame();
        page->RedrawAll();
        for (const auto& group : board.groups)
            scattered.push_back({group->offsetX, group->offsetY});
    }

    Board& board() { return game.GetBoard(); }

    void Press(int x, int y) { Send(WM_LBUTTONDOWN, x, y); }
    void Release(int x, int y) { Send(WM_LBUTTONUP, x, y); }
    // A move reads the cursor where it is now, as the page does.
    void MoveTo(int x, int y) {
        Headless::SetCursorPos({x, y});
        Send(WM_MOUSEMOVE, x, y);
    }

    // A point on the piece's cell, on the board.
    static POINT CentreOf(const Piece& piece, const PieceGroup& group) {
        int32_t x = 0, y = 0;
        for (const GridVertex& v : piece.vertices)
            x += v.x, y += v.y;
        return {x / 4 + group.offsetX, y / 4 + group.offsetY};
    }

    // The pieces of the top half (rows 0 to 11 and half of row 12) joined into one group at
    // offset (offsetX, offsetY), on top; every other piece alone where the scatter put it.
    PieceGroup& JoinTopHalf(int32_t offsetX, int32_t offsetY) {
        Board& b = board();
        std::vector<std::unique_ptr<PieceGroup>> groups;
        for (size_t i = 312; i < b.pieces.size(); ++i) {
            auto single = std::make_unique<PieceGroup>(b.pieces[i].get());
            single->offsetX = scattered[i].x;
            single->offsetY = scattered[i].y;
            groups.push_back(std::move(single));
        }
        auto half = std::make_unique<PieceGroup>(b.pieces[0].get());
        for (size_t i = 1; i < 312; ++i)
            half->AddPiece(b.pieces[i].get());
        half->offsetX = offsetX;
        half->offsetY = offsetY;
        groups.push_back(std::move(half));
        b.dragged = nullptr;
        b.groups = std::move(groups);
        return *b.groups.back();
    }

    PageGame& Page() { return *page; }

private:
    void Send(UINT message, int x, int y) { SendMessage(*page, message, 0, MAKELPARAM(x, y)); }

    GameSession game{std::string(TESSIVA_DIST_DIR) + "/"};
    StayingNavigator navigator;
    std::unique_ptr<PageGame> page;
    std::vector<POINT> scattered;   // each piece's offset after the first scatter, in piece order
};

// Holds the group under `at` and times one WM_MOUSEMOVE per iteration, back and forth.
void TimeDragSteps(benchmark::State& state, PlayPage& page, POINT at) {
    page.Press(at.x, at.y);
    if (!page.board().dragged)
        state.SkipWithError("nothing was picked up");
    int step = 0;
    for (auto _ : state) {
        ++step;
        page.MoveTo(at.x + (step & 1 ? 7 : 0), at.y + (step & 2 ? 5 : 0));
    }
    page.Release(at.x, at.y);
}

// A single piece is held: the union of its old and new box is repainted.
void BM_DragStepSinglePiece(benchmark::State& state) {
    PlatformSession session("bench");
    PlayPage page;
    const PieceGroup& group = *page.board().groups.back();
    TimeDragSteps(state, page, PlayPage::CentreOf(*group.pieces[0], group));
}
BENCHMARK(BM_DragStepSinglePiece)->Unit(benchmark::kMicrosecond);

// Half of the puzzle (312 pieces in one group) is held.
void BM_DragStepHalfPuzzle(benchmark::State& state) {
    PlatformSession session("bench");
    PlayPage page;
    const PieceGroup& half = page.JoinTopHalf(200, 100);
    TimeDragSteps(state, page, PlayPage::CentreOf(*half.pieces[300], half));
}
BENCHMARK(BM_DragStepHalfPuzzle)->Unit(benchmark::kMillisecond);

// A release that joins: the piece below the half puzzle's last row, dropped 5 pixels off its
// place, is found, merged, repainted and sounded.
void BM_JoiningDrop(benchmark::State& state) {
    PlatformSession session("bench");
    PlayPage page;
    for (auto _ : state) {
        state.PauseTiming();
        PieceGroup& half = page.JoinTopHalf(200, 100);
        Board& board = page.board();
        PieceGroup* piece = nullptr;
        for (const auto& group : board.groups)
            if (group->pieces[0] == board.pieces[337].get())   // row 13, below the half's row 12
                piece = group.get();
        piece->offsetX = half.offsetX + 5;
        piece->offsetY = half.offsetY + 5;
        // On top, so that the press picks it up.
        auto position =
            std::find_if(board.groups.begin(), board.groups.end(), [&](const auto& g) { return g.get() == piece; });
        std::rotate(position, std::next(position), board.groups.end());
        const POINT at = PlayPage::CentreOf(*piece->pieces[0], *piece);
        page.Press(at.x, at.y);
        if (page.board().dragged != piece)
            state.SkipWithError("the piece was not picked up");
        state.ResumeTiming();
        page.Release(at.x, at.y);
        if (board.groups.back().get() != &half)
            state.SkipWithError("the piece did not join");
    }
}
BENCHMARK(BM_JoiningDrop)->Unit(benchmark::kMillisecond);

// Start game: the cut, the piece images, the scatter and the first full paint of the page.
void BM_StartGame(benchmark::State& state) {
    PlatformSession session("bench");
    PlayPage page;
    for (auto _ : state) {
        page.Page().StartGame();
        page.Page().RedrawAll();
    }
}
BENCHMARK(BM_StartGame)->Unit(benchmark::kMillisecond);

// The clock's tick: the label's text and its repaint.
void BM_ClockTick(benchmark::State& state) {
    PlatformSession session("bench");
    PlayPage page;
    for (auto _ : state)
        SendMessage(page.Page(), WM_TIMER, PageGame::kClockTimer, 0);
}
BENCHMARK(BM_ClockTick)->Unit(benchmark::kMicrosecond);

}   // namespace
