// SPDX-License-Identifier: GPL-3.0-or-later
// The set-up page on the headless platform: its controls, the slider and the piece count, the
// picture with the cut's lines, and its two ways out.

#include "PlayTestSupport.h"
#include "foundation/ApplicationException.h"
#include "geometry/Random.h"
#include "pages/PageGameStart.h"
#include "ui/SharedDrawing.h"

namespace {

using namespace PlayTest;
using Gdiplus::Rect;

constexpr uint32_t kPreviewLine = 0xFFC8C8C8;

class PageGameStartTest : public PlayEnvironment {
protected:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 800;

    PageGameStartTest() {
        page.Create(nullptr, RECT{0, 0, kWidth, kHeight}, "set-up", WS_POPUP);
        ShowWindow(page, SW_SHOW);
    }
    ~PageGameStartTest() override { page.DestroyWindow(); }

    // The gallery's part: a picture on the board; then the navigation's: prepared and shown.
    void Choose(int width, int height) {
        board->picture.Reset(TestPicture::NewBitmap(width, height));
        page.Prepare();
        page.RedrawAll();
        Pump();
    }

    uint32_t Pixel(int x, int y) { return Headless::ReadPixel(page, x, y); }
    int PreviewPixels() {
        const Rect box = page.PictureRect();
        int count = 0;
        for (int y = box.Y; y < box.GetBottom(); ++y)
            for (int x = box.X; x < box.GetRight(); ++x)
                count += Pixel(x, y) == kPreviewLine;
        return count;
    }
    POINT CentreOf(const Control& control) {
        return {control.Bounds.X + control.Bounds.Width / 2, control.Bounds.Y + control.Bounds.Height / 2};
    }
    void ClickOn(const Control& control) {
        Click(CentreOf(control));
        Pump();
    }
    // Takes the thumb and moves it to x, the button still held.
    void HoldThumbAt(int x) {
        const Rect thumb = page.DifficultySlider.ThumbRect();
        const POINT grab{thumb.X + thumb.Width / 2, thumb.Y + thumb.Height / 2};
        Headless::InjectMouse(WM_LBUTTONDOWN, grab);
        Pump();
        Headless::InjectMouse(WM_MOUSEMOVE, {(grab.x + x) / 2, grab.y});
        Pump();
        Headless::InjectMouse(WM_MOUSEMOVE, {x, grab.y});
        Pump();
    }
    void Release() {
        Headless::InjectMouse(WM_LBUTTONUP, {0, 0});
        Pump();
    }

    RecordingNavigator navigator;
    PageGameStart page{*board, navigator};
};

TEST_F(PageGameStartTest, NineControlsInTheirOrderAlongTheBottom) {
    Choose(400, 300);
    const Control* controls[] = {
        &page.StartStrip.button,     &page.GalleryStrip.button,    &page.StartStrip.leftPiece,
        &page.StartStrip.rightPiece, &page.GalleryStrip.leftPiece, &page.GalleryStrip.rightPiece,
        &page.DifficultySlider,      &page.DifficultyCaption,      &page.PieceCountLabel};
    const StyleId styles[] = {
        StyleId::StartButton,    StyleId::SetUpGalleryButton, StyleId::LeftCap,          StyleId::RightCap,
        StyleId::LeftCap,        StyleId::RightCap,           StyleId::DifficultySlider, StyleId::DifficultyCaption,
        StyleId::PieceCountLabel};
    ASSERT_EQ(page.Children.size(), std::size(controls));
    for (size_t i = 0; i < std::size(controls); ++i) {
        EXPECT_EQ(page.Children[i], controls[i]) << i;
        EXPECT_EQ(controls[i]->StyleId, styles[i]) << i;
    }
    EXPECT_EQ(page.StartStrip.button.Text, "Start");
    EXPECT_EQ(page.GalleryStrip.button.Text, "Gallery");
    EXPECT_EQ(page.DifficultyCaption.Text, "Difficulty:");

    // The buttons 40 pixels either side of the centre line, their end pieces against them.
    const Rect& start = page.StartStrip.button.Bounds;
    const Rect& gallery = page.GalleryStrip.button.Bounds;
    EXPECT_EQ(start.X, kWidth / 2 + 40);
    EXPECT_EQ(gallery.GetRight(), kWidth / 2 - 40);
    for (const CommandStrip* strip : {&page.StartStrip, &page.GalleryStrip}) {
        EXPECT_EQ(strip->leftPiece.Bounds.GetRight(), strip->button.Bounds.X);
        EXPECT_EQ(strip->rightPiece.Bounds.X, strip->button.Bounds.GetRight());
        for (const Control* piece :
             std::initializer_list<const Control*>{&strip->button, &strip->leftPiece, &strip->rightPiece})
            EXPECT_EQ(piece->Bounds.GetBottom(), kHeight - 5);
    }
    // The slider right of the centre line and the caption left of it on one line, the count
    // centred above them.
    const Rect& slider = page.DifficultySlider.Bounds;
    EXPECT_EQ(slider.X + slider.Width / 2, kWidth / 2 + 40);
    EXPECT_EQ(slider.GetBottom(), kHeight - start.Height - 15);
    EXPECT_GT(slider.Width, page.DifficultySlider.ThumbRect().Width);   // the UI images are there
    EXPECT_EQ(page.DifficultyCaption.Bounds, Rect(kWidth / 2 - 150, kHeight - start.Height - 12 - 30, 100, 30));
    EXPECT_EQ(page.PieceCountLabel.Bounds, Rect(kWidth / 2 - 50, kHeight - start.Height - 35 - 30, 100, 30));
}

TEST_F(PageGameStartTest, TheCountAndTheLinesFollowTheThumbToBothEnds) {
    Choose(400, 300);
    EXPECT_EQ(page.DifficultySlider.CurrentValue, 7);
    EXPECT_EQ(board->cut->longSideCount, 7);
    EXPECT_EQ(page.PieceCountLabel.Text, "35 pieces");
    const int atSeven = PreviewPixels();

    struct Step {
        int x;
        int32_t value;
        const char* text;
    };
    const Step steps[] = {
        {-500, 2, "4 pieces"},              // 2 x 2
        {kWidth + 500, 25, "475 pieces"},   // 25 x 19
    };
    int previous = atSeven;
    for (const Step& step : steps) {
        HoldThumbAt(step.x);
        // Redrawn while the button is still held.
        EXPECT_EQ(page.DifficultySlider.CurrentValue, step.value);
        EXPECT_EQ(board->cut->longSideCount, step.value);
        EXPECT_EQ(page.PieceCountLabel.Text, step.text);
        const int lines = PreviewPixels();
        EXPECT_EQ(lines > atSeven, step.value > 7) << step.value;
        EXPECT_NE(lines, previous);
        previous = lines;
        Release();
    }
    EXPECT_TRUE(navigator.calls.empty());
}

TEST_F(PageGameStartTest, GalleryAndAnotherPictureKeepTheDifficultyAndRecountThePieces) {
    Choose(400, 300);
    HoldThumbAt(kWidth);
    Release();
    ASSERT_EQ(page.PieceCountLabel.Text, "475 pieces");
    ClickOn(page.GalleryStrip.button);
    EXPECT_EQ(navigator.calls, std::vector<std::string>{"ShowPageStart"});
    Choose(400, 200);
    EXPECT_EQ(page.DifficultySlider.CurrentValue, 25);
    EXPECT_EQ(page.PieceCountLabel.Text, "325 pieces");   // 25 x 13
    ClickOn(page.StartStrip.button);
    EXPECT_EQ(navigator.calls, (std::vector<std::string>{"ShowPageStart", "ShowPageGame"}));
}

TEST_F(PageGameStartTest, EndPiecesAndTextsTakeNoClicks) {
    Choose(400, 300);
    std::vector<uint32_t> before;
    for (int x = 0; x < kWidth; x += 3)
        before.push_back(Pixel(x, kHeight - 60));
    const Control* inert[] = {&page.StartStrip.leftPiece,    &page.StartStrip.rightPiece, &page.GalleryStrip.leftPiece,
                              &page.GalleryStrip.rightPiece, &page.DifficultyCaption,     &page.PieceCountLabel};
    for (const Control* control : inert)
        ClickOn(*control);
    EXPECT_TRUE(navigator.calls.empty());
    EXPECT_EQ(page.DifficultySlider.CurrentValue, 7);
    std::vector<uint32_t> after;
    for (int x = 0; x < kWidth; x += 3)
        after.push_back(Pixel(x, kHeight - 60));
    EXPECT_EQ(after, before);
}

TEST_F(PageGameStartTest, ThePictureKeepsItsSizeWhenItFitsAndIsReducedWhenNot) {
    // The box is the client area 10 in from the sides and the top, 90 less high: 1260 x 710.
    Choose(200, 150);
    const Rect own(10 + (1260 - 200) / 2, 10 + (710 - 150) / 2, 200, 150);
    EXPECT_EQ(Pixel(own.X + 5, own.Y + 5), TestPicture::Colour(5, 5));
    EXPECT_EQ(Pixel(own.X - 1, own.Y + 5), kPageBackground);
    EXPECT_EQ(Pixel(own.GetRight(), own.Y + 5), kPageBackground);
    EXPECT_EQ(Pixel(own.X, own.Y + 5), kPreviewLine);   // the cut's outer line on its edge

    Choose(1400, 900);
    const Rect reduced(10 + (1260 - 1104) / 2, 10, 1104, 710);
    EXPECT_EQ(Pixel(reduced.X - 1, 300), kPageBackground);
    EXPECT_NE(Pixel(reduced.X + 3, 300), kPageBackground);
    EXPECT_NE(Pixel(reduced.GetRight() - 3, 300), kPageBackground);
    EXPECT_EQ(Pixel(reduced.GetRight(), 300), kPageBackground);
    EXPECT_EQ(Pixel(640, 5), kPageBackground);
}

TEST_F(PageGameStartTest, AStepLeavesTheScreenAsAWholeRedrawWouldAlsoOverAReducedPicture) {
    // Reduced into its box, the picture still has its lines drawn at its own scale, beyond the
    // box and under the controls.
    for (const auto& [width, height] : {std::pair{400, 300}, std::pair{1400, 900}}) {
        Choose(width, height);
        const Rect thumb = page.DifficultySlider.ThumbRect();
        Headless::InjectMouse(WM_LBUTTONDOWN, {thumb.X + 2, thumb.Y + 2});
        Pump();
        Random::Reset(5);   // the same tabs for both drawings
        Headless::InjectMouse(WM_MOUSEMOVE, {thumb.X + 60, thumb.Y + 2});
        Pump();
        Release();
        ASSERT_NE(page.DifficultySlider.CurrentValue, 7) << width;
        std::vector<uint32_t> step;
        for (int y = 0; y < kHeight; y += 2)
            for (int x = 0; x < kWidth; x += 2)
                step.push_back(Pixel(x, y));
        Random::Reset(5);
        page.RedrawAll();
        std::vector<uint32_t> whole;
        for (int y = 0; y < kHeight; y += 2)
            for (int x = 0; x < kWidth; x += 2)
                whole.push_back(Pixel(x, y));
        EXPECT_TRUE(step == whole) << width << " x " << height;
        page.DifficultySlider.CurrentValue = 7;
    }
}

TEST_F(PageGameStartTest, WithoutACutThePageFailsQuietlyAndStillLeads) {
    Choose(400, 300);
    board->cut.Reset();
    try {
        page.Prepare();
        ADD_FAILURE() << "Prepare went ahead without a cut";
    } catch (const ApplicationException& e) {
        EXPECT_EQ(e.LocationText(), "CPtr<class Cut>::operator * (108)");
    }
    page.RedrawAll();
    EXPECT_EQ(Pixel(5, 5), kPageBackground);
    HoldThumbAt(-500);
    Release();
    EXPECT_EQ(page.DifficultySlider.CurrentValue, 2);
    ClickOn(page.GalleryStrip.button);
    EXPECT_EQ(navigator.calls, std::vector<std::string>{"ShowPageStart"});
}

}   // namespace
