// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolkitScene.h"

#include "ScenePage.h"
#include "gfx/Graphics.h"
#include "ui/Button.h"
#include "ui/CommandStrip.h"
#include "ui/Label.h"
#include "ui/MultiStateButton.h"
#include "ui/Slider.h"
#include "ui/UiImages.h"

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 300;

// The list view's look: its darker colour and a white frame.
class FramedPanel : public ContainerControl {
public:
    explicit FramedPanel(ContainerControl* parent) : ContainerControl(StyleId::ListView, parent) {}
    void PaintBackground(Gdiplus::Graphics& g, int, int, int, int) override {
        g.FillRectangle(&SharedSolidBrush(BackgroundColor(StyleId)), Bounds);
        g.DrawRectangle(&SharedPen(kCaptionColor, 1.0f), Bounds);
    }
};

class ToolkitScene : public Scene {
public:
    HWND Open() override {
        BuildStrip();
        BuildCommand();
        BuildCategories();
        BuildPanel();
        return page.Open(kWidth, kHeight);
    }

private:
    // The play page's bar: flat ends, joints alternating between middles of all three widths,
    // each piece starting where the previous one ends.
    void BuildStrip() {
        shuffle.Text = "Shuffle";
        filter.CheckedText = "Show All";
        filter.UncheckedText = "Edges Only";
        filter.State = MultiStateButton::kUnchecked;
        wide.Text = "Back to Gallery";
        pause.Text = "Pause";
        clock.Text = "03:25";
        PlaceInRow(
            {&flatLeft, &shuffle, &joint1, &filter, &joint2, &wide, &joint3, &pause, &joint4, &clock, &flatRight}, 5,
            5);
        page.Children.insert(page.Children.end(), {&flatLeft, &shuffle, &joint1, &filter, &joint2, &wide, &joint3,
                                                   &pause, &joint4, &clock, &flatRight});
    }

    // A single command between its two caps, placed right of the strip.
    void BuildCommand() {
        more.Place(300, 5);
        page.Children.insert(page.Children.end(), {&more.button, &more.leftPiece, &more.rightPiece});
    }

    void BuildCategories() {
        landscapes.CheckedText = landscapes.UncheckedText = "Landscapes";
        mosaics.CheckedText = mosaics.UncheckedText = "Mosaics";
        landscapes.State = MultiStateButton::kChecked;
        mosaics.State = MultiStateButton::kUnchecked;
        int top = 20;
        for (MultiStateButton* button : {&landscapes, &mosaics}) {
            button->Left = 5;
            button->Top = top;
            top += button->GetHeight() + 10;
            page.Children.push_back(button);
        }
    }

    // The set-up page's difficulty row and a list view's page controls, inside a framed panel.
    void BuildPanel() {
        panel.Left = 129;
        panel.Top = 10;
        panel.Right = 10;
        panel.Bottom = shuffle.GetHeight() + 15;
        page.Children.push_back(&panel);

        UiImages& images = UiImages::Instance();
        slider.TrackImage = images.TrackImage();
        slider.ThumbImage = images.ThumbImage();
        slider.Minimum = 2;
        slider.Maximum = 25;
        slider.CurrentValue = 7;
        slider.HorizontalCenter = 40;
        slider.Top = 60;
        difficulty.Text = "Difficulty:";
        difficulty.Width = 100;
        difficulty.Height = 30;
        difficulty.HorizontalCenter = -100;
        difficulty.Top = 60 + (slider.GetHeight() - 30) / 2;
        pieceCount.Text = "35 pieces";
        pieceCount.Width = 100;
        pieceCount.Height = 30;
        pieceCount.HorizontalCenter = 0;
        pieceCount.Top = 25;

        pageLabel.Text = "Page 2 of 5";
        pageLabel.Bottom = previous.Bottom = next.Bottom = 5;
        pageLabel.HorizontalCenter = 0;
        previous.HorizontalCenter = -(previous.GetWidth() / 2) - 10 - pageLabel.GetWidth() / 2;
        next.HorizontalCenter = next.GetWidth() / 2 + pageLabel.GetWidth() / 2 + 10;
        panel.Children = {&slider, &difficulty, &pieceCount, &pageLabel, &previous, &next};
    }

    ScenePage page{StyleId::PlayPage};
    Label flatLeft{StyleId::FlatLeftCap, &page}, joint1{StyleId::JointInOut, &page}, joint2{StyleId::JointOutIn, &page},
        joint3{StyleId::JointInOut, &page}, joint4{StyleId::JointOutIn, &page}, flatRight{StyleId::FlatRightCap, &page};
    Button shuffle{StyleId::ShuffleButton, &page}, wide{StyleId::BackToGalleryButton, &page},
        pause{StyleId::PauseButton, &page};
    MultiStateButton filter{StyleId::FilterButton, &page};
    Label clock{StyleId::TimeLabel, &page};

    CommandStrip more{StyleId::MorePuzzlesButton, "More Puzzles", &page};

    MultiStateButton landscapes{StyleId::CategoryButton, &page}, mosaics{StyleId::CategoryButton, &page};

    FramedPanel panel{&page};
    Slider slider{StyleId::DifficultySlider, &panel};
    Label difficulty{StyleId::DifficultyCaption, &panel}, pieceCount{StyleId::PieceCountLabel, &panel};
    Label pageLabel{StyleId::PageLabel, &panel};
    Button previous{StyleId::PreviousPageButton, &panel}, next{StyleId::NextPageButton, &panel};
};

}   // namespace

std::unique_ptr<Scene> MakeToolkitScene() { return std::make_unique<ToolkitScene>(); }
