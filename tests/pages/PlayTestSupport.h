// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play page on the headless platform: the program folder's session, a board with a test
// picture, a page window at the screen's corner, a navigator that records where the page leads, and a player
// who drives the page through injected mouse messages only.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "geometry/TestPicture.h"
#include "pages/GameSession.h"
#include "pages/PageGame.h"
#include "platform/Headless.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/WindowApi.h"
#include "play/Board.h"
#include "ui/Dialog.h"

namespace PlayTest {

// Where the page asked to go.
struct RecordingNavigator : PageNavigator {
    void ShowPageStart() override { calls.push_back("ShowPageStart"); }
    void ShowPageGameStart() override { calls.push_back("ShowPageGameStart"); }
    void ShowPageGame() override { calls.push_back("ShowPageGame"); }
    void RequestClose() override { calls.push_back("RequestClose"); }
    std::vector<std::string> calls;
};

// A hidden window that runs steps from the message queue, so that a test can act while a
// modal panel's loop runs.
class Stepper : public WindowImpl {
public:
    static constexpr UINT kStep = WM_APP + 7;

    Stepper() { Create(nullptr, RECT{0, 0, 1, 1}, "stepper", WS_POPUP); }
    ~Stepper() override { DestroyWindow(); }

    // Queues the step behind everything queued before it.
    void Post(std::function<void()> step) {
        steps.push_back(std::move(step));
        PostMessage(Handle(), kStep, 0, 0);
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != kStep || steps.empty())
            return WindowImpl::WindowProc(message, wParam, lParam);
        std::function<void()> step = std::move(steps.front());
        steps.erase(steps.begin());
        step();
        return 0;
    }

private:
    std::vector<std::function<void()>> steps;
};

// The modal panel that is up, if any: the active window when it is a panel.
inline Dialog* PanelUp() { return dynamic_cast<Dialog*>(WindowImpl::FromHandle(GetActiveWindow())); }

// A click (press and release) at a screen point.
inline void Click(POINT at) {
    Headless::InjectMouse(WM_LBUTTONDOWN, at);
    Headless::InjectMouse(WM_LBUTTONUP, at);
}

// Clicks the centre of a panel's child control.
inline void ClickChild(Dialog& panel, size_t child) {
    POINT origin{0, 0};
    ClientToScreen(panel.Handle(), origin);
    const Gdiplus::Rect& b = panel.Children.at(child)->Bounds;
    Click({origin.x + b.X + b.Width / 2, origin.y + b.Y + b.Height / 2});
}

inline void Pump() {
    MSG msg;
    while (PeekMessage(msg, PM_REMOVE) && msg.message != WM_QUIT)
        DispatchMessage(msg);
}

// The headless platform and the game's session on the program folder (its theme, UI images
// and board with a classic cut); ready before a page is built, since the page lays its bar out
// from the theme's image widths.
class PlayEnvironment : public ::testing::Test {
protected:
    PlayEnvironment() { EXPECT_TRUE(session.Started()); }

    PlatformSession session{"PlayTest"};
    GameSession gameSession{std::string(TESSIVA_DIST_DIR) + "/"};
    Board* board = &gameSession.GetBoard();
};

// The play page as a top-level window of 1280 x 800 at the screen's corner, so that client
// and screen coordinates agree.
class PlayPageTest : public PlayEnvironment {
protected:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 800;

    ~PlayPageTest() override { page.DestroyWindow(); }

    // A new game on a picture of width x height cut with longSide pieces along its longer
    // side, shown and painted.
    void StartGame(int width, int height, int longSide, int pageWidth = kWidth, int pageHeight = kHeight) {
        board->picture.Reset(TestPicture::NewBitmap(width, height));
        board->cut->longSideCount = longSide;
        if (!page.Handle()) {
            page.Create(nullptr, RECT{0, 0, pageWidth, pageHeight}, "play", WS_POPUP);
            ShowWindow(page, SW_SHOW);
        }
        page.StartGame();
        page.RedrawAll();
        Pump();
    }

    uint32_t Pixel(int x, int y) { return Headless::ReadPixel(page, x, y); }

    // A board point where the group is the topmost shown group and a press reaches the board
    // (inside the board rectangle); none when other groups cover all of it.
    std::optional<POINT> FreePointOf(const PieceGroup& group) {
        const Gdiplus::Rect boardRect = page.BoardRect();
        const auto at =
            std::find_if(board->groups.begin(), board->groups.end(), [&](const auto& g) { return g.get() == &group; });
        for (const Piece* piece : group.pieces) {
            int32_t cx = 0, cy = 0;
            for (const GridVertex& v : piece->vertices)
                cx += v.x, cy += v.y;
            const int32_t step = std::max(1, piece->bounds.Width / 8);
            for (int32_t dy = -2 * step; dy <= 2 * step; dy += step)
                for (int32_t dx = -2 * step; dx <= 2 * step; dx += step) {
                    const int32_t x = cx / 4 + dx + group.offsetX;
                    const int32_t y = cy / 4 + dy + group.offsetY;
                    if (!boardRect.Contains(x, y) || !GroupHitTest(group, x, y))
                        continue;
                    const bool covered = std::any_of(std::next(at), board->groups.end(), [&](const auto& g) {
                        return board->IsShown(*g) && GroupHitTest(*g, x, y);
                    });
                    if (!covered)
                        return POINT{x, y};
                }
        }
        return std::nullopt;
    }

    // Press at `from`, move in a few steps to `to`, release there, with every message handled.
    // `afterRelease` runs from the queue right behind the release, so inside the loop of a
    // panel that the release opens.
    void Drag(POINT from, POINT to, std::function<void()> afterRelease = {}) {
        Headless::InjectMouse(WM_LBUTTONDOWN, from);
        Pump();
        for (int k = 1; k <= 4; ++k) {
            Headless::InjectMouse(WM_MOUSEMOVE, {from.x + (to.x - from.x) * k / 4, from.y + (to.y - from.y) * k / 4});
            Pump();
        }
        Headless::InjectMouse(WM_LBUTTONUP, to);
        if (afterRelease)
            stepper.Post(std::move(afterRelease));
        Pump();
    }

    // The group that holds the piece.
    PieceGroup* GroupOf(const Piece* piece) {
        for (const auto& group : board->groups)
            if (std::find(group->pieces.begin(), group->pieces.end(), piece) != group->pieces.end())
                return group.get();
        return nullptr;
    }

    // Plays the puzzle to the end with the mouse only: the group of the first piece is dragged
    // to the middle of the board, then every other group, one at a time, to its place beside
    // it. `onPanel` runs while a panel is up after a release. Returns the number of drops that
    // joined, or -1 when a group could not be reached.
    int SolveByMouse(const std::function<void(Dialog&)>& onPanel) {
        const Gdiplus::Rect boardRect = page.BoardRect();
        const int32_t pictureWidth = static_cast<int32_t>(board->picture->GetWidth());
        const int32_t pictureHeight = static_cast<int32_t>(board->picture->GetHeight());
        const POINT home{boardRect.X + (boardRect.Width - pictureWidth) / 2,
                         boardRect.Y + (boardRect.Height - pictureHeight) / 2};
        const Piece* first = board->pieces.front().get();
        int joins = 0;
        for (int round = 0; round < 4 * static_cast<int>(board->pieces.size()) + 8; ++round) {
            if (board->groups.size() <= 1)
                return joins;
            PieceGroup* anchor = GroupOf(first);
            PieceGroup* mover = nullptr;
            std::optional<POINT> from;
            POINT shift{home.x - anchor->offsetX, home.y - anchor->offsetY};
            if (shift.x == 0 && shift.y == 0) {
                // The rest, top first: the group on top is the one most likely free.
                // Groups already at their place wait for a neighbour to join them.
                for (auto g = board->groups.rbegin(); g != board->groups.rend() && !from; ++g) {
                    const bool placed = (*g)->offsetX == anchor->offsetX && (*g)->offsetY == anchor->offsetY;
                    if (!placed && (from = FreePointOf(**g)))
                        mover = g->get();
                }
                if (!mover)
                    return -1;
                shift = {anchor->offsetX - mover->offsetX, anchor->offsetY - mover->offsetY};
            } else {
                from = FreePointOf(*anchor);
                if (!from)
                    return -1;
                mover = anchor;
            }
            const size_t before = board->groups.size();
            Drag(*from, {from->x + shift.x, from->y + shift.y}, [&] {
                if (Dialog* panel = PanelUp())
                    onPanel(*panel);
            });
            if (board->groups.size() < before)
                ++joins;
        }
        return -1;
    }

    RecordingNavigator navigator;
    PageGame page{*board, navigator};
    Stepper stepper;
};

}   // namespace PlayTest
