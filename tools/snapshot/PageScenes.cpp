// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageScenes.h"

#include "SampleLibrary.h"
#include "library/Category.h"
#include "pages/PageGameStart.h"
#include "pages/PageStart.h"
#include "platform/WindowApi.h"

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 800;

class GalleryScene : public Scene {
public:
    explicit GalleryScene(Board& board) : page(board, navigator) {}
    ~GalleryScene() override { page.DestroyWindow(); }

    HWND Open() override {
        MultiStateButton* largest = nullptr;
        for (const auto& button : page.CategoryButtons)
            if (!largest || static_cast<const Category*>(button->Tag)->puzzles.size() >
                                static_cast<const Category*>(largest->Tag)->puzzles.size())
                largest = button.get();
        if (largest)
            page.SelectCategory(*largest);
        page.Create(nullptr, RECT{0, 0, kWidth, kHeight}, "gallery", WS_POPUP);
        if (page.Handle())
            ShowWindow(page, SW_SHOW);
        return page.Handle();
    }

private:
    StayingNavigator navigator;
    PageStart page;
};

class SetupScene : public Scene {
public:
    explicit SetupScene(Board& board) : board(board), page(board, navigator) {}
    ~SetupScene() override { page.DestroyWindow(); }

    HWND Open() override {
        // The cut of the slider's first value; Prepare sets it from the slider anyway.
        if (!PrepareSampleBoard(board, 7, kWidth, kHeight))
            return nullptr;
        page.Create(nullptr, RECT{0, 0, kWidth, kHeight}, "set-up", WS_POPUP);
        if (!page.Handle())
            return nullptr;
        page.Prepare();
        ShowWindow(page, SW_SHOW);
        return page.Handle();
    }

private:
    Board& board;
    StayingNavigator navigator;
    PageGameStart page;
};

}   // namespace

std::unique_ptr<Scene> MakeGalleryScene(Board& board) { return std::make_unique<GalleryScene>(board); }
std::unique_ptr<Scene> MakeSetupScene(Board& board) { return std::make_unique<SetupScene>(board); }
