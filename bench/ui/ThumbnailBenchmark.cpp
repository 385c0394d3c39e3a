// SPDX-License-Identifier: GPL-3.0-or-later
// How long a page of 20 thumbnails of 4000 x 3000 JPEG photos takes to appear: decoding each
// picture at full size, against decoding it at the largest reduction that still covers the
// cell, and the list view's own first paint of such a page.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Canvas.h"
#include "JpegFile.h"
#include "Scenes.h"
#include "gfx/Bitmap.h"
#include "gfx/Graphics.h"
#include "platform/Platform.h"
#include "gfx/Rectangles.h"
#include "platform/WindowApi.h"
#include "support/TempFolder.h"
#include "ui/ControlHostWindow.h"
#include "ui/ListView.h"
#include "ui/ListViewItemControl.h"
#include "ui/Theme.h"

namespace {

constexpr int kPictureWidth = 4000;
constexpr int kPictureHeight = 3000;
constexpr int kPerPage = 20;
constexpr int kDistinctPictures = 4;

// Twenty photo-like JPEGs in a temporary folder, drawn once for every benchmark and removed at
// exit. Four distinct pictures are drawn and copied: each file is decoded on its own anyway.
class PictureFolder {
public:
    PictureFolder() {
        for (int i = 0; i < kDistinctPictures; ++i) {
            Canvas canvas(kPictureWidth, kPictureHeight);
            Scenes::PaintLandscape(canvas, i % 3, static_cast<uint32_t>(11 + i));
            JpegFile::Write(canvas, PathOf(i), 90);
        }
        for (int i = kDistinctPictures; i < kPerPage; ++i)
            std::filesystem::copy_file(PathOf(i % kDistinctPictures), PathOf(i));
    }
    std::string PathOf(int i) const { return folder.path + "photo-" + std::to_string(i) + ".jpg"; }

private:
    TempFolder folder;
};

const PictureFolder& Pictures() {
    static const PictureFolder pictures;
    return pictures;
}

// Decodes every picture of the page and draws it fitted into a cell, as the list view does.
void DecodeAndDrawPage(benchmark::State& state, bool reduced) {
    const PictureFolder& pictures = Pictures();
    Gdiplus::Bitmap cell(ListView::ItemWidth, ListView::ItemHeight);
    Gdiplus::Graphics g(&cell);
    const Gdiplus::Size cellSize(ListView::ItemWidth, ListView::ItemHeight);
    for (auto _ : state) {
        for (int i = 0; i < kPerPage; ++i) {
            Gdiplus::Bitmap picture =
                reduced ? Gdiplus::Bitmap(pictures.PathOf(i), cellSize) : Gdiplus::Bitmap(pictures.PathOf(i));
            if (picture.GetLastStatus() != Gdiplus::Ok) {
                state.SkipWithError("a picture did not decode");
                return;
            }
            g.DrawImage(&picture, FitRect(static_cast<int>(picture.GetWidth()), static_cast<int>(picture.GetHeight()),
                                          0, 0, cellSize.Width, cellSize.Height));
        }
        g.Flush();
    }
}

void BM_ThumbnailPageFullDecode(benchmark::State& state) { DecodeAndDrawPage(state, false); }
void BM_ThumbnailPageReducedDecode(benchmark::State& state) { DecodeAndDrawPage(state, true); }

class BenchPage : public ControlHostWindow {
public:
    BenchPage() : ControlHostWindow(StyleId::GalleryPage) {}
    ~BenchPage() override { DestroyWindow(); }
};

// The list view's first paint of a fresh page of 20 (5 x 4 cells) in a window.
void BM_ListViewFirstPaintOfAPage(benchmark::State& state) {
    const PictureFolder& pictures = Pictures();
    PlatformSession session("bench_ui");
    // No theme files: the page controls fall back to their default sizes, which the grid
    // does not depend on.
    const TempFolder noTheme;
    Theme::Install(noTheme.path);
    {
        BenchPage page;
        ListView list(&page);
        list.Left = 0;
        list.Top = 0;
        list.Width = 15 + 5 * ListView::ItemWidth + 4 * ListView::HorizontalGap + 15;
        list.Height = 15 + 4 * ListView::ItemHeight + 3 * ListView::VerticalGap + 15;
        page.Children.push_back(&list);
        page.Create(nullptr, RECT{0, 0, list.Width.Value(), list.Height.Value()}, "bench", WS_POPUP);
        ShowWindow(page.Handle(), SW_SHOW);
        for (auto _ : state) {
            list.ClearItems();
            for (int i = 0; i < kPerPage; ++i)
                list.AddItem(pictures.PathOf(i), i);
            list.Layout();
            page.RedrawAll();
        }
        if (list.VisibleItems.size() != kPerPage)
            state.SkipWithError("the page does not hold 20 cells");
    }
    Theme::Current().Reset();
}

BENCHMARK(BM_ThumbnailPageFullDecode)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ThumbnailPageReducedDecode)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ListViewFirstPaintOfAPage)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}   // namespace
