// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "geometry/ClassicCut.h"
#include "geometry/Piece.h"
#include "gfx/Bitmap.h"

namespace {

class Picture : public PictureOwner {
public:
    Picture(int width, int height) {
        picture.Reset(std::make_unique<Gdiplus::Bitmap>(width, height));
        uint8_t* data = picture->PixelData();
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                reinterpret_cast<uint32_t*>(data + y * picture->Stride())[x] =
                    0xFF000000u | uint32_t(x & 0xFF) << 16 | uint32_t(y & 0xFF) << 8;
        picture->MarkDirty();
    }
};

// The grid, the outlines, the bounds and every piece image of a 25 x 25 cut.
void BM_BuildPieces25x25(benchmark::State& state) {
    Picture picture(765, 765);
    ClassicCut cut(&picture);
    cut.longSideCount = 25;
    std::vector<std::unique_ptr<Piece>> pieces;
    for (auto _ : state) {
        cut.BuildPieces(pieces);
        benchmark::DoNotOptimize(pieces.data());
    }
    state.counters["pieces"] = static_cast<double>(pieces.size());
}
BENCHMARK(BM_BuildPieces25x25)->Unit(benchmark::kMillisecond);

void BM_BuildGrid25x25(benchmark::State& state) {
    Picture picture(765, 765);
    ClassicCut cut(&picture);
    cut.longSideCount = 25;
    for (auto _ : state) {
        cut.BuildGrid();
        benchmark::DoNotOptimize(cut.vertices.data());
    }
}
BENCHMARK(BM_BuildGrid25x25)->Unit(benchmark::kMicrosecond);

}   // namespace
