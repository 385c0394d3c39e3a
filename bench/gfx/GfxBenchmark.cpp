// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <memory>
#include <string>
#include <vector>

#include "gfx/Gdiplus.h"
#include "support/TempFolder.h"

using namespace Gdiplus;

namespace {

constexpr int kPicture = 765, kGrid = 25;

// A cell outline with a Bézier tab on its top and right edges, like a puzzle piece.
std::unique_ptr<GraphicsPath> Cell(int col, int row) {
    const int cell = kPicture / kGrid, x = col * cell, y = row * cell, t = cell / 4;
    auto path = std::make_unique<GraphicsPath>(FillModeAlternate);
    const Point top[4] = {{x, y}, {x + cell / 3, y - t}, {x + 2 * cell / 3, y - t}, {x + cell, y}};
    path->AddBeziers(top, 4);
    const Point right[4] = {
        {x + cell, y}, {x + cell + t, y + cell / 3}, {x + cell + t, y + 2 * cell / 3}, {x + cell, y + cell}};
    path->AddBeziers(right, 4);
    path->AddLine(x + cell, y + cell, x, y + cell);
    path->CloseFigure();
    return path;
}

std::unique_ptr<Bitmap> Picture() {
    auto picture = std::make_unique<Bitmap>(kPicture, kPicture);
    uint8_t* data = picture->PixelData();
    for (int y = 0; y < kPicture; ++y)
        for (int x = 0; x < kPicture; ++x)
            reinterpret_cast<uint32_t*>(data + y * picture->Stride())[x] =
                0xFF000000u | uint32_t(x * 7 & 0xFF) << 16 | uint32_t(y & 0xFF);
    picture->MarkDirty();
    return picture;
}

struct Piece {
    std::unique_ptr<GraphicsPath> outline;
    Rect bounds;
    std::unique_ptr<Bitmap> image;
};

std::vector<Piece> CutAll(Bitmap* picture) {
    std::vector<Piece> pieces;
    for (int row = 0; row < kGrid; ++row)
        for (int col = 0; col < kGrid; ++col) {
            Piece p;
            p.outline = Cell(col, row);
            p.outline->GetBounds(&p.bounds);
            p.image = std::make_unique<Bitmap>(p.bounds.Width, p.bounds.Height);
            Graphics g(p.image.get());
            g.SetSmoothingMode(SmoothingModeHighSpeed);
            TextureBrush brush(picture, WrapModeTile);
            g.TranslateTransform(float(-p.bounds.X), float(-p.bounds.Y));
            g.FillPath(&brush, p.outline.get());
            pieces.push_back(std::move(p));
        }
    return pieces;
}

void CutPieces625(benchmark::State& state) {
    auto picture = Picture();
    for (auto _ : state)
        benchmark::DoNotOptimize(CutAll(picture.get()));
}
BENCHMARK(CutPieces625)->Unit(benchmark::kMillisecond);

void DrawPieces625(benchmark::State& state) {
    auto picture = Picture();
    std::vector<Piece> pieces = CutAll(picture.get());
    Bitmap board(1920, 1017);
    Graphics g(&board);
    if (state.range(0))
        g.SetClip(Rect(800, 400, 300, 300));
    for (auto _ : state)
        for (size_t i = 0; i < pieces.size(); ++i) {
            const int x = int(i * 37 % 1800), y = int(i * 53 % 900);
            if (state.range(0) && !Rect(800, 400, 300, 300).Contains(x, y))
                continue;   // callers skip pieces outside the clip
            g.DrawImage(pieces[i].image.get(), x, y);
        }
}
BENCHMARK(DrawPieces625)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void PointInside(benchmark::State& state) {
    auto path = Cell(3, 3);
    const Matrix identity;
    int n = 0;
    for (auto _ : state) {
        if (state.range(0))
            path->Transform(&identity);   // a change drops the rasterised test
        benchmark::DoNotOptimize(path->IsVisible(100 + n % 20, 100 + n % 17));
        ++n;
    }
}
BENCHMARK(PointInside)->Arg(0)->Arg(1);

void DecodeJpeg(benchmark::State& state) {
    const int w = 2000, h = 1500;
    std::vector<uint8_t> rgb(size_t(w) * h * 3);
    for (size_t i = 0; i < rgb.size(); ++i)
        rgb[i] = uint8_t(i * 31 / 7);
    tjhandle handle = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    tjCompress2(handle, rgb.data(), w, 0, h, TJPF_RGB, &out, &size, TJSAMP_420, 90, 0);
    const TempFolder folder;
    const std::string path = folder.Write("decode.jpg", std::string(reinterpret_cast<const char*>(out), size));
    tjFree(out);
    tjDestroy(handle);
    const Size atLeast = state.range(0) ? Size(150, 100) : Size(w, h);
    for (auto _ : state) {
        Bitmap bitmap(path, atLeast);
        benchmark::DoNotOptimize(bitmap.GetWidth());
    }
}
BENCHMARK(DecodeJpeg)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void DrawCaption(benchmark::State& state) {
    Bitmap target(200, 40);
    Graphics g(&target);
    Font font("Arial", 15.0f, FontStyleRegular, UnitPixel);
    StringFormat centred;
    centred.SetAlignment(StringAlignmentCenter);
    centred.SetLineAlignment(StringAlignmentCenter);
    SolidBrush white(Color(0xFFFFFFFF));
    for (auto _ : state)
        g.DrawString("Edges Only", &font, RectF(0, 0, 100, 40), &centred, &white);
}
BENCHMARK(DrawCaption)->Unit(benchmark::kMicrosecond);

}   // namespace
