// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelScenes.h"

#include "PhotographedPanel.h"
#include "ScenePage.h"
#include "gfx/Bitmap.h"
#include "gfx/Graphics.h"
#include "library/Category.h"
#include "library/Puzzle.h"
#include "platform/Headless.h"
#include "platform/Messages.h"
#include "platform/Paint.h"
#include "ui/DialogGameComplete.h"
#include "ui/DialogPause.h"
#include "ui/DialogYesNo.h"
#include "ui/ListView.h"

namespace {

// The sample library beside the tool, as the game's session read it; the list view shows the
// category with the most pictures, so that its page controls appear.
class ListViewScene : public Scene {
public:
    HWND Open() override {
        const Category* largest = nullptr;
        for (const auto& category : CategoryList())
            if (!largest || category->puzzles.size() > largest->puzzles.size())
                largest = category.get();
        if (largest)
            for (const Puzzle* puzzle : largest->puzzles)
                list.AddItem(puzzle->picturePath, puzzle->id);

        // A margin of page around the list, so that its whole frame shows.
        list.Left = kMargin;
        list.Top = kMargin;
        list.Width = 900;
        list.Height = 600;
        page.Children.push_back(&list);
        return page.Open(900 + 2 * kMargin, 600 + 2 * kMargin);
    }

private:
    static constexpr int kMargin = 15;
    ScenePage page{StyleId::GalleryPage};
    ListView list{&page};
};

// The panel shown modally over a 1024 x 768 page; the page then shows the photograph of the
// two, which is what the tool captures.
template <class Panel>
class PanelScene : public Scene {
public:
    HWND Open() override {
        const HWND window = page.Open(kWidth, kHeight);
        if (!window)
            return nullptr;
        ShowPanelPhotographed<Panel>(page, picture);
        page.Layout();
        return window;
    }

private:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;
    ScenePage page{StyleId::PlayPage};
    Picture picture{&page};
};

}   // namespace

std::unique_ptr<Scene> MakeListViewScene() { return std::make_unique<ListViewScene>(); }
std::unique_ptr<Scene> MakePauseScene() { return std::make_unique<PanelScene<DialogPause>>(); }
std::unique_ptr<Scene> MakeYesNoScene() { return std::make_unique<PanelScene<DialogYesNo>>(); }
std::unique_ptr<Scene> MakeCompleteScene() { return std::make_unique<PanelScene<DialogGameComplete>>(); }
