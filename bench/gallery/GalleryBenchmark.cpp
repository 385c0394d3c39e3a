// SPDX-License-Identifier: GPL-3.0-or-later
// The gallery's and the set-up page's costly steps in a 1920 x 1017 window (a maximised window
// on a 1920 x 1080 screen): a click on a thumbnail of a 4000 x 3000 JPEG until the set-up page
// is drawn (with the picture decoded at full size and at the reduction that still covers the
// play picture), a switch to a category of twenty such pictures until its first page is drawn,
// and a slider step at 25 pieces a side on a square picture.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "Canvas.h"
#include "JpegFile.h"
#include "Scenes.h"
#include "gfx/Rectangles.h"
#include "gfx/Bitmap.h"
#include "gfx/Graphics.h"
#include "library/Category.h"
#include "library/LibraryWriter.h"
#include "library/Pack.h"
#include "library/Puzzle.h"
#include "pages/GameSession.h"
#include "pages/PageGameStart.h"
#include "pages/PageStart.h"
#include "platform/Platform.h"
#include "platform/WindowApi.h"
#include "play/Board.h"
#include "play/PlayPicture.h"
#include "support/TempFolder.h"
#include "ui/ListViewItemControl.h"

namespace {

constexpr int kClientWidth = 1920;
constexpr int kClientHeight = 1017;
constexpr int kPhotoWidth = 4000;
constexpr int kPhotoHeight = 3000;
constexpr int kPhotos = 20;
constexpr int kDistinctPhotos = 4;

// A library of two categories in a temporary folder: "A few" with one small picture, "Photos"
// with twenty 4000 x 3000 JPEGs (four distinct pictures, copied: each file is decoded on its
// own anyway). Written once for every benchmark and removed at exit.
class PhotoLibrary {
public:
    PhotoLibrary() {
        std::filesystem::create_directories(folder.path + "Puzzles");
        using LibraryWriter::Existing;
        LibraryWriter::WritePropertyFile(folder.path + "1.ctg", {{"Name", "A few"}}, Existing::Replace);
        LibraryWriter::WritePropertyFile(folder.path + "2.ctg", {{"Name", "Photos"}}, Existing::Replace);
        std::string listed = "1";
        WritePuzzle(1, "1");
        Canvas small(400, 300);
        Scenes::PaintLandscape(small, 0, 3);
        JpegFile::Write(small, PicturePath(1), 90);
        for (int i = 0; i < kPhotos; ++i) {
            const int id = 2 + i;
            WritePuzzle(id, "2");
            listed += ",";
            listed += std::to_string(id);
            if (i < kDistinctPhotos) {
                Canvas canvas(kPhotoWidth, kPhotoHeight);
                Scenes::PaintLandscape(canvas, i % 3, static_cast<uint32_t>(11 + i));
                JpegFile::Write(canvas, PicturePath(id), 90);
            } else {
                std::filesystem::copy_file(PicturePath(2 + i % kDistinctPhotos), PicturePath(id));
            }
        }
        LibraryWriter::WritePropertyFile(folder.path + "1.pck", {{"Name", "Bench"}, {"Puzzles", listed}},
                                         Existing::Replace);
    }

    // As start-up reads a library, in place of the program folder's; again for each benchmark,
    // since each makes its pages anew.
    void Load() const {
        Puzzle::ClearPuzzleList();
        Category::ScanCategories(folder.path);
        Pack::ScanPacks(folder.path);
        Puzzle::ReadAllPuzzles(folder.path + "Puzzles/");
    }
    std::string PicturePath(int id) const { return folder.path + "Puzzles/" + Puzzle::BaseName(id) + ".jpg"; }

private:
    void WritePuzzle(int id, const std::string& category) const {
        LibraryWriter::WritePropertyFile(folder.path + "Puzzles/" + Puzzle::BaseName(id) + ".dat",
                                         {{"Category", category}}, LibraryWriter::Existing::Replace);
    }

    TempFolder folder;
};

const PhotoLibrary& Photos() {
    static const PhotoLibrary library;
    return library;
}

// The headless window system and the game's session on the program folder (theme, UI images,
// the board with its cut) with the photo library read, as start-up leaves them.
class Session {
public:
    Session() { Photos().Load(); }
    bool Started() const { return platform.Started(); }
    Board& GetBoard() const { return game.GetBoard(); }

private:
    PlatformSession platform{"bench_gallery"};
    GameSession game{std::string(TESSIVA_DIST_DIR) + "/"};
};

void Open(ControlHostWindow& page) {
    page.Create(nullptr, RECT{0, 0, kClientWidth, kClientHeight}, "page", WS_POPUP);
    ShowWindow(page, SW_SHOW);
}

// The main window's part in a click on a thumbnail: the set-up page is prepared and drawn in
// place of the gallery.
struct SetUpNavigator : PageNavigator {
    void ShowPageStart() override {}
    void ShowPageGameStart() override {
        setUp->Prepare();
        ShowWindow(*setUp, SW_SHOW);
        setUp->RedrawAll();
        ShowWindow(*gallery, SW_HIDE);
    }
    void ShowPageGame() override {}
    void RequestClose() override {}
    ControlHostWindow* gallery = nullptr;
    PageGameStart* setUp = nullptr;
};

void BM_ThumbnailClickToSetUpPageDrawn(benchmark::State& state) {
    Session session;
    {
        SetUpNavigator navigator;
        PageStart gallery(session.GetBoard(), navigator);
        PageGameStart setUp(session.GetBoard(), navigator);
        navigator.gallery = &gallery;
        navigator.setUp = &setUp;
        Open(setUp);
        Open(gallery);
        gallery.SelectCategory(*gallery.CategoryButtons.at(1));
        gallery.Layout();
        gallery.RedrawAll();
        ListViewItemControl* cell = gallery.Grid.VisibleItems.at(0);
        for (auto _ : state) {
            gallery.OnNotify(NotifyItemActivated, &gallery.Grid, cell);
            state.PauseTiming();
            ShowWindow(gallery, SW_SHOW);
            ShowWindow(setUp, SW_HIDE);
            state.ResumeTiming();
        }
        const Gdiplus::Size size = PlayPictureSize(kClientWidth, kClientHeight, kPhotoWidth, kPhotoHeight);
        if (session.GetBoard().picture->GetWidth() != static_cast<UINT>(size.Width))
            state.SkipWithError("the play picture does not have the expected size");
        setUp.DestroyWindow();
        gallery.DestroyWindow();
    }
}

// The play picture alone, from the whole picture and from the reduced decode.
void BM_PlayPictureFromFullDecode(benchmark::State& state) {
    const std::string path = Photos().PicturePath(2);
    const Gdiplus::Size size = PlayPictureSize(kClientWidth, kClientHeight, kPhotoWidth, kPhotoHeight);
    for (auto _ : state) {
        Gdiplus::Bitmap source(path);
        Gdiplus::Bitmap picture(size.Width, size.Height);
        Gdiplus::Graphics g(&picture);
        g.DrawImage(&source, Gdiplus::Rect(0, 0, size.Width, size.Height));
        g.Flush();
    }
}

void BM_MakePlayPicture(benchmark::State& state) {
    const std::string path = Photos().PicturePath(2);
    for (auto _ : state)
        benchmark::DoNotOptimize(MakePlayPicture(path, kClientWidth, kClientHeight));
}

void BM_CategorySwitchToFirstPageDrawn(benchmark::State& state) {
    Session session;
    {
        StayingNavigator navigator;
        PageStart gallery(session.GetBoard(), navigator);
        Open(gallery);
        MultiStateButton& few = *gallery.CategoryButtons.at(0);
        MultiStateButton& photos = *gallery.CategoryButtons.at(1);
        gallery.RedrawAll();
        for (auto _ : state) {
            gallery.OnNotify(NotifyClick, &photos, &photos);
            state.PauseTiming();
            if (gallery.Grid.VisibleItems.size() != kPhotos)
                state.SkipWithError("the first page does not hold the twenty photos");
            gallery.OnNotify(NotifyClick, &few, &few);
            state.ResumeTiming();
        }
        gallery.DestroyWindow();
    }
}

void BM_SliderStepAt25Redraw(benchmark::State& state) {
    Session session;
    {
        StayingNavigator navigator;
        PageGameStart setUp(session.GetBoard(), navigator);
        // A square play picture: 25 x 25 preview cells.
        const Gdiplus::Size size = PlayPictureSize(kClientWidth, kClientHeight, 3000, 3000);
        Canvas canvas(size.Width, size.Height);
        Scenes::PaintLandscape(canvas, 1, 5);
        const TempFolder scratch;
        const std::string path = scratch.path + "square.jpg";
        JpegFile::Write(canvas, path, 90);
        session.GetBoard().picture.Reset(MakePlayPicture(path, kClientWidth, kClientHeight));
        Open(setUp);
        Slider& slider = setUp.DifficultySlider;
        for (auto _ : state) {
            state.PauseTiming();
            slider.CurrentValue = 24;
            setUp.OnNotify(NotifyValueChanged, &slider, &slider);
            slider.CurrentValue = 25;
            state.ResumeTiming();
            setUp.OnNotify(NotifyValueChanged, &slider, &slider);
        }
        if (setUp.PieceCountLabel.Text != "625 pieces")
            state.SkipWithError("the picture is not cut 25 x 25");
        setUp.DestroyWindow();
    }
}

BENCHMARK(BM_ThumbnailClickToSetUpPageDrawn)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PlayPictureFromFullDecode)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_MakePlayPicture)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_CategorySwitchToFirstPageDrawn)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SliderStepAt25Redraw)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}   // namespace
