#include "PanelScenes.h"

#include "ScenePage.h"
#include "foundation/Util.h"
#include "gfx/Bitmap.h"
#include "gfx/Graphics.h"
#include "library/Category.h"
#include "library/Pack.h"
#include "library/Puzzle.h"
#include "platform/Headless.h"
#include "platform/Messages.h"
#include "platform/Paint.h"
#include "ui/DialogGameComplete.h"
#include "ui/DialogPause.h"
#include "ui/DialogYesNo.h"
#include "ui/ListView.h"

namespace {

// The sample library beside the tool, read as the game reads its own; the list view shows the
// category with the most pictures, so that its page controls appear.
class ListViewScene : public Scene {
public:
    HWND Open() override {
        const std::string folder = Util::GetModulePath();
        Category::ScanCategories(folder);
        Pack::ScanPacks(folder);
        Puzzle::ReadAllPuzzles(folder + "Puzzles/");
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
    ScenePage page{18};
    ListView list{&page};
};

// A picture drawn unscaled at the control's corner.
class Picture : public Control {
public:
    explicit Picture(ContainerControl* parent) : Control(0, parent) {}
    void Paint(Gdiplus::Graphics& g, int, int, int, int) override {
        if (image)
            g.DrawImage(image.get(), Bounds.X, Bounds.Y);
    }
    std::unique_ptr<Gdiplus::Bitmap> image;
};

// Each window has its own pixels, so the panel over its page is put together from both while
// the panel is up: the panel draws itself, is photographed over the page, and ends.
template <class Panel>
class PhotographedPanel : public Panel {
public:
    static constexpr UINT kPhotograph = WM_APP + 20;

    PhotographedPanel(HWND page, Gdiplus::Bitmap& photo) : page(page), photo(photo) {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kPhotograph) {
            Photograph();
            this->EndWith(-1);
            return 0;
        }
        const LRESULT result = Panel::WindowProc(message, wParam, lParam);
        if (message == WM_INITDIALOG)
            PostMessage(this->Handle(), kPhotograph, 0, 0);
        return result;
    }

private:
    void Photograph() {
        this->RedrawAll();
        RECT pageRect, panelRect;
        GetWindowRect(page, pageRect);
        GetWindowRect(this->Handle(), panelRect);
        const int width = static_cast<int>(photo.GetWidth());
        const int height = static_cast<int>(photo.GetHeight());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const int sx = pageRect.left + x, sy = pageRect.top + y;
                const bool onPanel = sx >= panelRect.left && sx < panelRect.right &&
                                     sy >= panelRect.top && sy < panelRect.bottom;
                const uint32_t argb =
                    onPanel ? Headless::ReadPixel(this->Handle(), sx - panelRect.left,
                                                  sy - panelRect.top)
                            : Headless::ReadPixel(page, x, y);
                photo.SetPixel(x, y, Gdiplus::Color(argb));
            }
    }

    HWND page;
    Gdiplus::Bitmap& photo;
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
        UpdateWindow(window);
        auto photo = std::make_unique<Gdiplus::Bitmap>(kWidth, kHeight);
        {
            PhotographedPanel<Panel> panel(window, *photo);
            panel.ShowModal(window);
        }
        picture.image = std::move(photo);
        picture.Width = kWidth;
        picture.Height = kHeight;
        page.Children.push_back(&picture);
        page.Layout();
        return window;
    }

private:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;
    ScenePage page{20};
    Picture picture{&page};
};

}  // namespace

std::unique_ptr<Scene> MakeListViewScene() { return std::make_unique<ListViewScene>(); }
std::unique_ptr<Scene> MakePauseScene() { return std::make_unique<PanelScene<DialogPause>>(); }
std::unique_ptr<Scene> MakeYesNoScene() { return std::make_unique<PanelScene<DialogYesNo>>(); }
std::unique_ptr<Scene> MakeCompleteScene() {
    return std::make_unique<PanelScene<DialogGameComplete>>();
}
