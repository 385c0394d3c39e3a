#include "PageScenes.h"

#include <optional>

#include "SampleLibrary.h"
#include "library/Category.h"
#include "pages/PageGameStart.h"
#include "pages/PageStart.h"
#include "play/Board.h"
#include "platform/WindowApi.h"

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 800;

class GalleryScene : public Scene {
public:
    ~GalleryScene() override {
        if (page)
            page->DestroyWindow();
    }

    HWND Open() override {
        LoadSampleLibrary();
        page.emplace(navigator);
        MultiStateButton* largest = nullptr;
        for (const auto& button : page->CategoryButtons)
            if (!largest || static_cast<const Category*>(button->Tag)->puzzles.size() >
                                static_cast<const Category*>(largest->Tag)->puzzles.size())
                largest = button.get();
        if (largest)
            page->SelectCategory(*largest);
        page->Create(nullptr, RECT{0, 0, kWidth, kHeight}, "gallery", WS_POPUP);
        if (page->Handle())
            ShowWindow(*page, SW_SHOW);
        return page->Handle();
    }

private:
    StayingNavigator navigator;
    std::optional<PageStart> page;   // built once the library is read
};

class SetupScene : public Scene {
public:
    ~SetupScene() override {
        page.DestroyWindow();
        Board::DestroyCurrent();
    }

    HWND Open() override {
        // The cut of the slider's first value; Prepare sets it from the slider anyway.
        if (!PrepareSampleBoard(7, kWidth, kHeight))
            return nullptr;
        page.Create(nullptr, RECT{0, 0, kWidth, kHeight}, "set-up", WS_POPUP);
        if (!page.Handle())
            return nullptr;
        page.Prepare();
        ShowWindow(page, SW_SHOW);
        return page.Handle();
    }

private:
    StayingNavigator navigator;
    PageGameStart page{navigator};
};

}  // namespace

std::unique_ptr<Scene> MakeGalleryScene() { return std::make_unique<GalleryScene>(); }
std::unique_ptr<Scene> MakeSetupScene() { return std::make_unique<SetupScene>(); }
