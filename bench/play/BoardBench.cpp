// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

#include "geometry/ClassicCut.h"
#include "geometry/Random.h"
#include "gfx/Graphics.h"
#include "play/Board.h"
#include "play/Scatter.h"

namespace {

using Gdiplus::Rect;

// The full-HD play page: the board above a 47-pixel button bar, the 200-pixel preview.
const Rect kBoardRect(0, 0, 1920, 1017);
const Rect kPreview(1920 - 200 - 1, 1064 - 200 - 1, 200, 200);

std::unique_ptr<Board> NewBoard625() {
    auto board = std::make_unique<Board>();
    board->picture.Reset(std::make_unique<Gdiplus::Bitmap>(765, 765));
    uint8_t* data = board->picture->PixelData();
    for (int y = 0; y < 765; ++y)
        for (int x = 0; x < 765; ++x)
            reinterpret_cast<uint32_t*>(data + y * board->picture->Stride())[x] =
                0xFF000000u | uint32_t(x & 0xFF) << 16 | uint32_t(y & 0xFF);
    board->picture->MarkDirty();
    board->cut.Reset(std::make_unique<ClassicCut>(board.get()));
    board->cut->longSideCount = 25;
    Random::Reset();
    board->NewGame();
    return board;
}

// Joins the pieces of the top rows row by row: half the picture assembled in 12 strips.
void AssembleTopHalf(Board& board) {
    std::vector<std::unique_ptr<PieceGroup>> groups;
    for (int row = 0; row < 25; ++row) {
        if (row < 12) {
            auto strip = std::make_unique<PieceGroup>(board.pieces[row * 25].get());
            for (int column = 1; column < 25; ++column)
                strip->AddPiece(board.pieces[row * 25 + column].get());
            groups.push_back(std::move(strip));
        } else {
            for (int column = 0; column < 25; ++column) {
                Piece* piece = board.pieces[row * 25 + column].get();
                groups.push_back(std::make_unique<PieceGroup>(piece));
            }
        }
    }
    board.groups = std::move(groups);
}

void BM_NewGame625(benchmark::State& state) {
    std::unique_ptr<Board> board = NewBoard625();
    for (auto _ : state)
        board->NewGame();
}
BENCHMARK(BM_NewGame625)->Unit(benchmark::kMillisecond);

void BM_Scatter625(benchmark::State& state) {
    std::unique_ptr<Board> board = NewBoard625();
    for (auto _ : state)
        Scatter(*board, kBoardRect, kPreview);
}
BENCHMARK(BM_Scatter625)->Unit(benchmark::kMillisecond);

void BM_ShuffleHalfAssembled625(benchmark::State& state) {
    std::unique_ptr<Board> board = NewBoard625();
    AssembleTopHalf(*board);
    for (auto _ : state)
        Scatter(*board, kBoardRect, kPreview);
}
BENCHMARK(BM_ShuffleHalfAssembled625)->Unit(benchmark::kMillisecond);

void BM_DrawBoard625(benchmark::State& state) {
    std::unique_ptr<Board> board = NewBoard625();
    Scatter(*board, kBoardRect, kPreview);
    Gdiplus::Bitmap target(1920, 1017);
    Gdiplus::Graphics graphics(&target);
    for (auto _ : state) {
        board->Draw(graphics);
        graphics.Flush();
    }
}
BENCHMARK(BM_DrawBoard625)->Unit(benchmark::kMicrosecond);

void BM_DrawBoardClip300(benchmark::State& state) {
    std::unique_ptr<Board> board = NewBoard625();
    Scatter(*board, kBoardRect, kPreview);
    Gdiplus::Bitmap target(1920, 1017);
    Gdiplus::Graphics graphics(&target);
    // Near the corner, among the scattered pieces: the middle is the target area that the
    // scatter keeps free, where a clip would draw nothing.
    graphics.SetClip(Rect(100, 100, 300, 300));
    for (auto _ : state) {
        board->Draw(graphics);
        graphics.Flush();
    }
}
BENCHMARK(BM_DrawBoardClip300)->Unit(benchmark::kMicrosecond);

void BM_GroupHitTest625(benchmark::State& state) {
    std::unique_ptr<Board> board = NewBoard625();
    Scatter(*board, kBoardRect, kPreview);
    // A point on the topmost piece: the walk from the top stops at once; a miss walks all.
    const Rect top = board->groups.back()->BoardBox();
    const int32_t x = state.range(0) ? top.X + top.Width / 2 : 1919;
    const int32_t y = state.range(0) ? top.Y + top.Height / 2 : 1016;
    for (auto _ : state) {
        bool hit = false;
        for (auto it = board->groups.rbegin(); it != board->groups.rend() && !hit; ++it)
            hit = GroupHitTest(**it, x, y);
        benchmark::DoNotOptimize(hit);
    }
}
BENCHMARK(BM_GroupHitTest625)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}   // namespace
