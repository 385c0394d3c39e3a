// SPDX-License-Identifier: GPL-3.0-or-later
// The play page on the headless platform: its bar and rectangles, the preview switch, the
// clock, the bar's commands and their panels, and what reaches the screen.

#include "PlayTestSupport.h"
#include "play/Scatter.h"
#include "ui/DialogPause.h"
#include "ui/DialogYesNo.h"
#include "ui/SharedDrawing.h"

namespace {

using namespace PlayTest;
using Gdiplus::Rect;

class PageGameTest : public PlayPageTest {
protected:
    POINT CentreOf(const Control& control) {
        return {control.Bounds.X + control.Bounds.Width / 2, control.Bounds.Y + control.Bounds.Height / 2};
    }
    void ClickControl(const Control& control, std::function<void()> whilePanelUp = {}) {
        Click(CentreOf(control));
        if (whilePanelUp)
            stepper.Post(std::move(whilePanelUp));
        Pump();
    }
    std::vector<std::pair<int32_t, int32_t>> Offsets() {
        std::vector<std::pair<int32_t, int32_t>> offsets;
        for (const auto& group : board->groups)
            offsets.emplace_back(group->offsetX, group->offsetY);
        return offsets;
    }
};

TEST_F(PageGameTest, TheBarRunsLeftToRightFromTheCapWithoutGaps) {
    StartGame(400, 300, 7);
    const Control* bar[] = {&page.LeftCap, &page.ShuffleButton, &page.Joint1,  &page.FilterButton,
                            &page.Joint2,  &page.GalleryButton, &page.Joint3,  &page.PauseButton,
                            &page.Joint4,  &page.TimeLabel,     &page.RightCap};
    const StyleId styles[] = {StyleId::FlatLeftCap,  StyleId::ShuffleButton, StyleId::JointInOut,
                              StyleId::FilterButton, StyleId::JointOutIn,    StyleId::PlayGalleryButton,
                              StyleId::JointInOut,   StyleId::PauseButton,   StyleId::JointOutIn,
                              StyleId::TimeLabel,    StyleId::FlatRightCap};
    int x = 5;
    for (size_t i = 0; i < std::size(bar); ++i) {
        const Rect& b = bar[i]->Bounds;
        EXPECT_EQ(bar[i]->StyleId, styles[i]) << "element " << i;
        EXPECT_EQ(b.X, x) << "element " << i;
        EXPECT_EQ(b.GetBottom(), kHeight - 5) << "element " << i;
        EXPECT_GT(b.Width, 1) << "element " << i;   // the theme's images are there
        x += b.Width;
    }
    EXPECT_EQ(page.ShuffleButton.Text, "Shuffle");
    EXPECT_EQ(page.GalleryButton.Text, "Gallery");
    EXPECT_EQ(page.PauseButton.Text, "Pause");
    EXPECT_EQ(page.Children.size(), 11u);
    EXPECT_EQ(page.Children.front(), &page.LeftCap);
    EXPECT_EQ(page.Children.back(), &page.TimeLabel);

    // The board stops 6 pixels above the bar; the preview box is 200 square at first.
    EXPECT_EQ(page.BoardRect(), Rect(0, 0, kWidth, kHeight - page.FilterButton.GetHeight() - 6));
    EXPECT_EQ(page.PreviewRect(), Rect(kWidth - 200 - 1, kHeight - 150 - 1, 200, 150));
}

TEST_F(PageGameTest, EveryStartIsAFreshScatterAtZeroWithTheFilterShownAsTheBoardHasIt) {
    StartGame(400, 300, 7);
    EXPECT_EQ(page.TimeLabel.Text, "00:00");
    EXPECT_EQ(page.FilterButton.State, MultiStateButton::kUnchecked);   // offers "Edges Only"
    const auto first = Offsets();
    const Rect boardRect = page.BoardRect();
    for (const auto& group : board->groups)
        EXPECT_TRUE(boardRect.Contains(group->BoardBox())) << "group outside the board";

    // A played game, then a new start: the clock is back at zero, the pieces scattered anew.
    const std::optional<POINT> at = FreePointOf(*board->groups.back());
    ASSERT_TRUE(at);
    Drag(*at, {at->x + 30, at->y + 30});
    ASSERT_EQ(board->clock, ClockState::Running);
    board->edgesOnly = true;
    page.StartGame();
    EXPECT_EQ(board->clock, ClockState::NotStarted);
    EXPECT_EQ(page.TimeLabel.Text, "00:00");
    EXPECT_EQ(page.FilterButton.State, MultiStateButton::kChecked);   // offers "Show All"
    EXPECT_EQ(board->groups.size(), 35u);
    EXPECT_NE(Offsets(), first);
}

TEST_F(PageGameTest, TheMagnifierCyclesThePreviewAndHidesThePictureAtItsSmallest) {
    StartGame(400, 300, 7);
    // Groups elsewhere, so that the corner shows only the preview.
    for (auto& group : board->groups) {
        group->offsetX = -group->box.X;
        group->offsetY = -group->box.Y;
    }
    page.RedrawAll();
    const POINT magnifier{kWidth - 10, kHeight - 10};
    const struct {
        int32_t edge;
        int32_t height;
        bool picture;
    } steps[] = {
        {300, 225, true},
        {30, 22, false},
        {100, 75, true},
        {200, 150, true},
    };
    for (const auto& step : steps) {
        Click(magnifier);
        Pump();
        EXPECT_EQ(page.PreviewEdge(), step.edge);
        const Rect preview = page.PreviewRect();
        EXPECT_EQ(preview, Rect(kWidth - step.edge - 1, kHeight - step.height - 1, step.edge, step.height));
        // The picture with its white outline, or only the page colour when it is hidden.
        const uint32_t outline = Pixel(preview.X, preview.Y + preview.Height / 2);
        const uint32_t inside = Pixel(preview.X + 3, preview.Y + 3);
        EXPECT_EQ(outline, step.picture ? 0xFFFFFFFFu : kPageBackground) << step.edge;
        EXPECT_EQ(inside != kPageBackground, step.picture) << step.edge;
        // The largest preview's area is repainted: nothing is left beyond the new box.
        if (step.edge < 300) {
            EXPECT_EQ(Pixel(kWidth - 299, kHeight - 224), kPageBackground) << step.edge;
        }
    }
    EXPECT_EQ(board->clock, ClockState::NotStarted);   // the switch picks nothing up
}

TEST_F(PageGameTest, PiecesAreDrawnOverThePreviewAndTheBarOverThePieces) {
    StartGame(400, 300, 2);   // 2 x 2
    PieceGroup& group = *board->groups.back();
    const Rect preview = page.PreviewRect();
    // The last group's box over the preview's top-left corner, then over the bar.
    const POINT probe{preview.X + 1, preview.Y + 1};
    const std::optional<POINT> at = FreePointOf(group);
    ASSERT_TRUE(at);
    group.offsetX += probe.x - at->x;
    group.offsetY += probe.y - at->y;
    page.RedrawAll();
    EXPECT_NE(Pixel(probe.x, probe.y), 0xFFFFFFFFu);   // a piece pixel, not the outline
    // A point of the Shuffle button's image beside its caption.
    const Rect shuffle = page.ShuffleButton.Bounds;
    const POINT onBar{shuffle.X + shuffle.Width / 4, shuffle.Y + shuffle.Height / 2};
    const uint32_t bar = Pixel(onBar.x, onBar.y);
    group.offsetX += onBar.x - probe.x;
    group.offsetY += onBar.y - probe.y;
    page.RedrawAll();
    EXPECT_EQ(Pixel(onBar.x, onBar.y), bar);
}

TEST_F(PageGameTest, TheClockTicksOnlyWhileThePageIsShown) {
    StartGame(400, 300, 7);
    board->clock = ClockState::Stopped;
    board->elapsed = TimeSpan(75 * TimeSpan::kTicksPerSecond);
    ShowWindow(page, SW_HIDE);
    Headless::AdvanceClock(1000);
    Pump();
    EXPECT_EQ(page.TimeLabel.Text, "00:00");
    ShowWindow(page, SW_SHOW);
    page.RedrawAll();
    Headless::AdvanceClock(1000);
    Pump();
    EXPECT_EQ(page.TimeLabel.Text, "01:15");
}

TEST_F(PageGameTest, PauseStopsTheClockWithOnePanelUntilTheNextPickUp) {
    StartGame(400, 300, 7);
    const std::optional<POINT> at = FreePointOf(*board->groups.back());
    ASSERT_TRUE(at);
    Drag(*at, {at->x + 40, at->y});
    ASSERT_EQ(board->clock, ClockState::Running);
    int panels = 0;
    ClickControl(page.PauseButton, [&] {
        Dialog* panel = PanelUp();
        ASSERT_NE(dynamic_cast<DialogPause*>(panel), nullptr);
        ++panels;
        EXPECT_EQ(board->clock, ClockState::Stopped);
        EXPECT_FALSE(IsWindowEnabled(page));   // no second Pause can reach the page
        ClickChild(*panel, 0);                 // "Resume"
    });
    EXPECT_EQ(panels, 1);
    EXPECT_EQ(PanelUp(), nullptr);
    EXPECT_EQ(board->clock, ClockState::Stopped);   // resuming does not restart it
    const std::optional<POINT> again = FreePointOf(*board->groups.back());
    ASSERT_TRUE(again);
    Headless::InjectMouse(WM_LBUTTONDOWN, *again);
    Pump();
    EXPECT_EQ(board->clock, ClockState::Running);
    // Losing the activation drops the held group and stops the clock.
    SendMessage(page, WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(board->dragged, nullptr);
    EXPECT_EQ(board->clock, ClockState::Stopped);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(PageGameTest, ShuffleMovesHiddenGroupsTooAndKeepsJoinedGroupsJoined) {
    StartGame(400, 300, 7);
    // Pieces 0 and 1 joined, and the filter on: only edge groups show.
    PieceGroup* joined = GroupOf(board->pieces[0].get());
    PieceGroup* second = GroupOf(board->pieces[1].get());
    const std::optional<POINT> at = FreePointOf(*second);
    ASSERT_TRUE(at);
    Drag(*at, {at->x + joined->offsetX - second->offsetX, at->y + joined->offsetY - second->offsetY});
    ASSERT_EQ(GroupOf(board->pieces[1].get()), joined);
    ClickControl(page.FilterButton);
    ASSERT_TRUE(board->edgesOnly);
    ASSERT_EQ(page.FilterButton.State, MultiStateButton::kChecked);
    const PieceGroup* hidden = GroupOf(board->pieces[8].get());
    const auto before = Offsets();
    const Rect hiddenBefore = hidden->BoardBox();
    const ClockState clock = board->clock;

    ClickControl(page.ShuffleButton);
    EXPECT_NE(hidden->BoardBox(), hiddenBefore);
    EXPECT_NE(Offsets(), before);
    EXPECT_EQ(GroupOf(board->pieces[0].get()), GroupOf(board->pieces[1].get()));
    EXPECT_EQ(board->groups.size(), 34u);
    EXPECT_EQ(board->clock, clock);
    ClickControl(page.FilterButton);
    EXPECT_FALSE(board->edgesOnly);
}

TEST_F(PageGameTest, GalleryAsksWhileTheGameIsOpenAndNoLeavesItUntouched) {
    StartGame(400, 300, 7);
    const std::optional<POINT> at = FreePointOf(*board->groups.back());
    ASSERT_TRUE(at);
    Headless::InjectMouse(WM_LBUTTONDOWN, *at);
    Headless::InjectMouse(WM_LBUTTONUP, {at->x + 50, at->y + 20});
    Pump();
    ASSERT_EQ(board->clock, ClockState::Running);
    const auto offsets = Offsets();

    struct Case {
        size_t button;
        std::vector<std::string> calls;
    };
    const Case cases[] = {{3, {}}, {0, {"ShowPageStart"}}};   // "No", then "Yes"
    for (const Case& c : cases) {
        navigator.calls.clear();
        int asked = 0;
        ClickControl(page.GalleryButton, [&] {
            Dialog* panel = PanelUp();
            ASSERT_NE(dynamic_cast<DialogYesNo*>(panel), nullptr);
            EXPECT_EQ(panel->Caption, "Back to Gallery?");
            ++asked;
            ClickChild(*panel, c.button);
        });
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(navigator.calls, c.calls);
        EXPECT_EQ(Offsets(), offsets);
        EXPECT_EQ(board->clock, ClockState::Running);
    }

    // A solved puzzle leaves at once.
    board->NewGame();
    std::vector<std::unique_ptr<PieceGroup>> all;
    PieceGroup* whole = board->groups.front().get();
    for (size_t i = 1; i < board->pieces.size(); ++i)
        whole->AddPiece(board->pieces[i].get());
    board->groups.resize(1);
    navigator.calls.clear();
    ClickControl(page.GalleryButton, [&] { EXPECT_EQ(PanelUp(), nullptr); });
    EXPECT_EQ(navigator.calls, std::vector<std::string>{"ShowPageStart"});
}

TEST_F(PageGameTest, ADropThatJoinsNothingPlaysNoSound) {
    StartGame(400, 300, 7);
    const size_t sounds = Headless::PlayedSounds().size();
    const std::optional<POINT> at = FreePointOf(*board->groups.back());
    ASSERT_TRUE(at);
    // Released where it was picked up: scattered pieces lie apart, so nothing joins.
    const size_t groups = board->groups.size();
    Drag(*at, *at);
    EXPECT_EQ(board->groups.size(), groups);
    EXPECT_EQ(board->dragged, nullptr);
    EXPECT_EQ(Headless::PlayedSounds().size(), sounds);
}

}   // namespace
