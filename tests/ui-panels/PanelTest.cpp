// SPDX-License-Identifier: GPL-3.0-or-later
// The modal panels driven through the headless modal loop: results, what gives none, where the
// panel stands and how it is drawn.

#include <functional>
#include <memory>

#include "PanelsTestSupport.h"
#include "platform/Paint.h"
#include "ui/Dialog.h"
#include "ui/DialogGameComplete.h"
#include "ui/DialogPause.h"
#include "ui/DialogYesNo.h"

namespace {

using namespace PanelsTest;

// The owner stands away from the screen's corner.
constexpr int kOwnerLeft = 300, kOwnerTop = 200, kOwnerWidth = 800, kOwnerHeight = 600;

class PanelTest : public ThemedTest {
protected:
    void SetUp() override {
        owner.Open(kOwnerLeft, kOwnerTop, kOwnerWidth, kOwnerHeight);
        Pump();
    }

    // Shows the panel while the owner's script runs inside its modal loop.
    INT_PTR Show(Dialog& panel, std::vector<std::function<void()>> steps) {
        owner.Script(std::move(steps));
        owner.Start();
        return panel.ShowModal(owner.Handle());
    }

    // A press and a release at screen points, as the pointer gives them.
    static void Press(POINT down, POINT up) {
        Headless::InjectMouse(WM_LBUTTONDOWN, down);
        Headless::InjectMouse(WM_LBUTTONUP, up);
    }
    static POINT CentreOf(Dialog& panel, size_t child) {
        POINT p{0, 0};
        ClientToScreen(panel.Handle(), p);
        const Gdiplus::Rect& b = panel.Children.at(child)->Bounds;
        return {p.x + b.X + b.Width / 2, p.y + b.Y + b.Height / 2};
    }

    PageWindow owner;
};

TEST_F(PanelTest, EachButtonEndsItsPanelWithItsResult) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<Dialog>()> make;
        size_t button;   // index in Children: a button comes before its two end pieces
        INT_PTR result;
        int width, height;
    };
    const Case cases[] = {
        {"Resume", [] { return std::make_unique<DialogPause>(); }, 0, 0, 300, 200},
        {"Yes", [] { return std::make_unique<DialogYesNo>(); }, 0, 6, 400, 200},
        {"No", [] { return std::make_unique<DialogYesNo>(); }, 3, 7, 400, 200},
        // The completion panel answers with the pressed button's style.
        {"Back to Gallery", [] { return std::make_unique<DialogGameComplete>(); }, 0,
         static_cast<INT_PTR>(StyleId::BackToGalleryButton), 400, 200},
        {"Close", [] { return std::make_unique<DialogGameComplete>(); }, 3, static_cast<INT_PTR>(StyleId::CloseButton),
         400, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<Dialog> panel = c.make();
        RECT placed{};
        HWND window = nullptr;
        const INT_PTR result = Show(*panel, {[&] {
            window = panel->Handle();
            GetWindowRect(window, placed);
            EXPECT_FALSE(IsWindowEnabled(owner.Handle()));
            const POINT at = CentreOf(*panel, c.button);
            Press(at, at);
        }});
        EXPECT_EQ(result, c.result);
        // Centred over the owner's client area, at the panel's own size.
        const int left = kOwnerLeft + (kOwnerWidth - c.width) / 2;
        const int top = kOwnerTop + (kOwnerHeight - c.height) / 2;
        EXPECT_EQ(placed.left, left);
        EXPECT_EQ(placed.top, top);
        EXPECT_EQ(placed.right, left + c.width);
        EXPECT_EQ(placed.bottom, top + c.height);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    }
}

TEST_F(PanelTest, EndPiecesCloseCommandsAndReleasesOutsideGiveNoResult) {
    DialogYesNo panel;
    bool upAfterAll = false;
    const INT_PTR result =
        Show(panel, {
                        [&] {
                            for (size_t piece : {1, 2, 4, 5}) {
                                const POINT at = CentreOf(panel, piece);
                                Press(at, at);
                            }
                            // The close box, and a key, which nothing turns into an answer.
                            Headless::InjectClose(panel.Handle());
                            PostMessage(panel.Handle(), WM_KEYDOWN, 0x1B, 0);
                            // Pressed on "Yes", released on the owner beside the panel.
                            Press(CentreOf(panel, 0), POINT{kOwnerLeft + 20, kOwnerTop + 20});
                            // A click on the owner while the panel is up.
                            Press(POINT{kOwnerLeft + 30, kOwnerTop + 30}, POINT{kOwnerLeft + 30, kOwnerTop + 30});
                        },
                        [&] {
                            upAfterAll = IsWindow(panel.Handle()) && IsWindowVisible(panel.Handle());
                            const POINT no = CentreOf(panel, 3);
                            Press(no, no);
                        },
                    });
    EXPECT_TRUE(upAfterAll);
    EXPECT_EQ(result, 7);
    EXPECT_EQ(owner.presses, 0);
}

TEST_F(PanelTest, TheButtonsStandBetweenTheirEndPiecesTenPixelsAboveTheBottom) {
    DialogGameComplete panel;
    Show(panel, {[&] { panel.EndWith(0); }});
    // 400 wide, centre 200: "Back to Gallery" (120) ends 40 left of it, "Close" starts 40
    // right of it; the 20-pixel pieces touch them; all 40 high, 10 above the bottom.
    const Gdiplus::Rect expected[] = {
        {40, 150, 120, 40},  {20, 150, 20, 40},  {160, 150, 20, 40},
        {240, 150, 120, 40}, {220, 150, 20, 40}, {360, 150, 20, 40},
    };
    ASSERT_EQ(panel.Children.size(), 6u);
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(panel.Children[i]->Bounds, expected[i]) << "child " << i;
}

TEST_F(PanelTest, APanelIsFilledFramedAndCaptionedInTheMiddle) {
    DialogGameComplete panel;
    uint32_t inside = 0, corner = 0, farCorner = 0, button = 0, belowButton = 0;
    bool captionInMiddle = false, captionAboveMiddleBand = false;
    Show(panel, {[&] {
             const HWND w = panel.Handle();
             UpdateWindow(w);
             inside = Headless::ReadPixel(w, 10, 10);
             corner = Headless::ReadPixel(w, 0, 0);
             farCorner = Headless::ReadPixel(w, 399, 199);
             button = Headless::ReadPixel(w, 45, 185);
             belowButton = Headless::ReadPixel(w, 100, 195);
             for (int y = 0; y < 200; ++y)
                 for (int x = 120; x < 280; ++x)
                     if (IsWhitish(Headless::ReadPixel(w, x, y))) {
                         if (y > 85 && y < 115)
                             captionInMiddle = true;
                         else if (y > 1 && y < 150)
                             captionAboveMiddleBand = true;
                     }
             panel.EndWith(0);
         }});
    EXPECT_EQ(inside, kPageBackground);
    EXPECT_TRUE(IsWhitish(corner));
    EXPECT_TRUE(IsWhitish(farCorner));
    EXPECT_EQ(button, kMiddle120);
    EXPECT_EQ(belowButton, kPageBackground);
    EXPECT_TRUE(captionInMiddle);
    EXPECT_FALSE(captionAboveMiddleBand);
}

TEST_F(PanelTest, APanelWithoutASizeKeepsTheTemplatesPlace) {
    struct Unsized : Dialog {
        Unsized() : Dialog(StyleId::PausePanel) { Height = 200; }
    } panel;
    RECT placed{};
    const INT_PTR result = Show(panel, {[&] {
                                    GetWindowRect(panel.Handle(), placed);
                                    panel.EndWith(5);
                                }});
    EXPECT_EQ(result, 5);
    // The template: 321 x 205 at the owner's client origin.
    EXPECT_EQ(placed.left, kOwnerLeft);
    EXPECT_EQ(placed.top, kOwnerTop);
    EXPECT_EQ(placed.right - placed.left, 321);
    EXPECT_EQ(placed.bottom - placed.top, 205);
}

}   // namespace
