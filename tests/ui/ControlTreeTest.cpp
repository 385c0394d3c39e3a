// SPDX-License-Identifier: GPL-3.0-or-later
// Message routing, dispatch order, notifications and painting of a control tree in a window.

#include <stdexcept>

#include <gtest/gtest.h>

#include "ColorBlock.h"
#include "HostWindow.h"
#include "PlatformTest.h"
#include "platform/Messages.h"
#include "platform/Paint.h"
#include "ui/Button.h"
#include "ui/GraphicsBuffer.h"
#include "ui/TopLevelContainerControl.h"

namespace {

using Gdiplus::Rect;
using UiTest::ColorBlock;
using UiTest::HostWindow;

constexpr Gdiplus::ARGB kRed = 0xFFFF0000;
constexpr Gdiplus::ARGB kGreen = 0xFF00FF00;
constexpr Gdiplus::ARGB kBlue = 0xFF0000FF;
constexpr uint32_t kContainerBlue = 0xFF00008B;

void Place(Control& c, int left, int top, int width, int height) {
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
}

void Repaint(HWND window) {
    InvalidateRect(window, nullptr, false);
    UpdateWindow(window);
}

// A container between the page and its controls that records what passes through it.
class RecordingPanel : public ContainerControl {
public:
    explicit RecordingPanel(ContainerControl* parent) : ContainerControl(StyleId::Plain, parent) {}
    void OnNotify(NotifyCode code, Control* sender, Control* argument) override {
        ++seen;
        ContainerControl::OnNotify(code, sender, argument);
    }
    int seen = 0;
};

class ControlTree : public UiTest::PlatformTest {};

TEST_F(ControlTree, FirstAppendedTakesTheClickLastAppendedIsDrawnOnTop) {
    HostWindow host;
    Button first(StyleId::ShuffleButton, &host), second(StyleId::ShuffleButton, &host);
    ColorBlock under(&host, kRed), over(&host, kGreen);
    Place(first, 10, 10, 60, 30);
    Place(second, 40, 10, 60, 30);
    Place(under, 10, 60, 60, 30);
    Place(over, 40, 60, 60, 30);
    host.Children = {&first, &second, &under, &over};
    host.Open(200, 100);
    Repaint(host.Handle());

    host.Send(WM_LBUTTONDOWN, 50, 20);
    host.Send(WM_LBUTTONUP, 50, 20);
    ASSERT_EQ(host.notifications.size(), 1u);
    EXPECT_EQ(host.notifications[0].sender, &first);
    EXPECT_FALSE(second.Pressed);

    EXPECT_EQ(host.Pixel(50, 70), kGreen);
    EXPECT_EQ(host.Pixel(20, 70), kRed);
    EXPECT_EQ(host.Pixel(150, 5), kContainerBlue);
}

TEST_F(ControlTree, MouseMovesReachEveryChildWithThePointerWhereverItIs) {
    HostWindow host;
    ColorBlock a(&host, kRed), b(&host, kGreen), c(&host, kBlue);
    a.takeMoves = true;   // taking a move does not stop the others from seeing it
    host.Children = {&a, &b, &c};
    host.Open(200, 100, 100, 50);

    // The queued coordinates are ignored; the cursor is read when the move is handled, here
    // above and left of the window (as under capture).
    Headless::SetCursorPos({40, 20});
    host.Send(WM_MOUSEMOVE, 5, 5);
    for (ColorBlock* block : {&a, &b, &c}) {
        ASSERT_EQ(block->moves.size(), 1u);
        EXPECT_EQ(block->moves[0].x, -60);
        EXPECT_EQ(block->moves[0].y, -30);
    }
}

// A control that rebuilds its parent's children when a move reaches it, as a list view turns
// its page from inside a dispatch.
class Rebuilder : public UiTest::ColorBlock {
public:
    using ColorBlock::ColorBlock;
    bool OnMouseMove(int x, int y) override {
        ColorBlock::OnMouseMove(x, y);
        GetTopLevel()->AfterDispatch([this] { Parent->Children = replacement; });
        return false;
    }
    std::vector<Control*> replacement;
};

TEST_F(ControlTree, ATreeChangedDuringADispatchChangesOnceTheDispatchHasEnded) {
    HostWindow host;
    Rebuilder first(&host, kRed);
    ColorBlock second(&host, kGreen), third(&host, kBlue);
    first.replacement = {&third};
    host.Children = {&first, &second};
    host.Open(200, 100);
    host.Send(WM_MOUSEMOVE);
    // The sibling after the rebuilding control still saw the move; then the new list stood.
    EXPECT_EQ(second.moves.size(), 1u);
    EXPECT_EQ(third.moves.size(), 0u);
    EXPECT_EQ(host.Children, std::vector<Control*>{&third});
    // Outside a dispatch the change is made at once.
    host.AfterDispatch([&] { host.Children.clear(); });
    EXPECT_TRUE(host.Children.empty());
}

TEST_F(ControlTree, NotificationsTravelThroughContainersToTheTopLevel) {
    HostWindow host;
    RecordingPanel panel(&host);
    Button button(StyleId::ShuffleButton, &panel);
    Place(panel, 0, 0, 200, 100);
    Place(button, 20, 20, 50, 20);
    panel.Children = {&button};
    host.Children = {&panel};
    host.Open(200, 100);

    host.Send(WM_LBUTTONDOWN, 30, 30);
    host.Send(WM_LBUTTONUP, 30, 30);
    EXPECT_EQ(panel.seen, 1);
    ASSERT_EQ(host.notifications.size(), 1u);
    EXPECT_EQ(host.notifications[0].code, NotifyClick);
    EXPECT_EQ(host.notifications[0].sender, &button);
    EXPECT_EQ(host.notifications[0].argument, &button);
}

TEST_F(ControlTree, AThrowingHandlerEndsOnlyItsOwnMessage) {
    HostWindow host;
    Button button(StyleId::ShuffleButton, &host);
    Place(button, 0, 0, 50, 20);
    host.Children = {&button};
    host.Open(100, 50);
    bool fail = true;
    host.onNotify = [&] {
        if (fail) {
            fail = false;
            throw std::runtime_error("handler failed");
        }
    };

    host.Send(WM_LBUTTONDOWN, 10, 10);
    EXPECT_EQ(host.Send(WM_LBUTTONUP, 10, 10), 0);
    host.Send(WM_LBUTTONDOWN, 10, 10);
    host.Send(WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(host.notifications.size(), 2u);
    EXPECT_TRUE(IsWindow(host.Handle()));
}

TEST_F(ControlTree, OnlyTheTreesMessagesAreHandled) {
    HostWindow host;
    host.Open(100, 50);
    LRESULT result = 7;
    EXPECT_TRUE(host.HandleWindowMessage(WM_ERASEBKGND, 0, 0, result));
    EXPECT_EQ(result, 1);
    EXPECT_FALSE(host.HandleWindowMessage(WM_TIMER, 1, 0, result));
    EXPECT_FALSE(host.HandleWindowMessage(WM_RBUTTONDOWN, 0, 0, result));
}

TEST_F(ControlTree, AFailingChildPaintSkipsOnlyThatChild) {
    HostWindow host;
    ColorBlock a(&host, kRed), broken(&host, kGreen), c(&host, kBlue);
    broken.throwOnPaint = true;
    Place(a, 0, 0, 20, 20);
    Place(broken, 20, 0, 20, 20);
    Place(c, 40, 0, 20, 20);
    host.Children = {&a, &broken, &c};
    host.Open(100, 50);
    Repaint(host.Handle());

    EXPECT_EQ(broken.paints, 1);
    EXPECT_EQ(host.Pixel(10, 10), kRed);
    EXPECT_EQ(host.Pixel(30, 10), kContainerBlue);
    EXPECT_EQ(host.Pixel(50, 10), kBlue);
}

TEST_F(ControlTree, RedrawSkipsChildrenOutsideTheRectangle) {
    HostWindow host;
    ColorBlock left(&host, kRed), right(&host, kBlue);
    Place(left, 0, 0, 50, 50);
    Place(right, 50, 0, 50, 50);
    host.Children = {&left, &right};
    host.Open(100, 50);
    Repaint(host.Handle());
    const int leftPaints = left.paints, rightPaints = right.paints;

    right.color = kGreen;
    right.Invalidate();
    EXPECT_EQ(left.paints, leftPaints);
    EXPECT_EQ(right.paints, rightPaints + 1);
    EXPECT_EQ(right.lastClip, Rect(50, 0, 50, 50));
    EXPECT_EQ(host.Pixel(75, 25), kGreen);
    EXPECT_EQ(host.Pixel(25, 25), kRed);
}

TEST_F(ControlTree, APartlyOffscreenControlRedrawsItsVisiblePart) {
    HostWindow host;
    ColorBlock block(&host, kRed);
    Place(block, -10, -10, 30, 30);
    host.Children = {&block};
    host.Open(100, 50);
    Repaint(host.Handle());

    block.color = kGreen;
    block.Invalidate();
    EXPECT_EQ(block.lastClip, Rect(0, 0, 20, 20));
    EXPECT_EQ(host.Pixel(5, 5), kGreen);
}

TEST_F(ControlTree, APaintMessagePaintsTheWholeClientArea) {
    HostWindow host;
    ColorBlock block(&host, kRed);
    Place(block, 0, 0, 10, 10);
    host.Children = {&block};
    host.Open(120, 80);
    Repaint(host.Handle());

    const RECT small{100, 60, 110, 70};
    InvalidateRect(host.Handle(), &small, false);
    UpdateWindow(host.Handle());
    EXPECT_EQ(block.lastClip, Rect(0, 0, 120, 80));
}

TEST_F(ControlTree, TheSharedBufferGrowsOnTheFirstPaintAfterTheWindowGrows) {
    // The buffer is shared by every window of the process; start beyond any earlier size.
    const GraphicsBuffer* before = GraphicsBuffer::Shared();
    const int width = (before ? before->Width() : 0) + 40;
    const int height = (before ? before->Height() : 0) + 30;

    HostWindow host;
    ColorBlock corner(&host, kGreen);
    corner.Right = 0;
    corner.Bottom = 0;
    corner.Width = 10;
    corner.Height = 10;
    host.Children = {&corner};
    host.Open(width, height);
    Repaint(host.Handle());
    ASSERT_NE(GraphicsBuffer::Shared(), nullptr);
    EXPECT_EQ(GraphicsBuffer::Shared()->Width(), width);
    EXPECT_EQ(GraphicsBuffer::Shared()->Height(), height);

    // Growing: a redraw of just the new corner already needs a buffer reaching that far.
    MoveWindow(host.Handle(), 0, 0, width + 20, height + 10, false);
    corner.Invalidate();
    EXPECT_EQ(host.Pixel(width + 15, height + 5), kGreen);
    Repaint(host.Handle());
    EXPECT_EQ(GraphicsBuffer::Shared()->Width(), width + 20);
    EXPECT_EQ(GraphicsBuffer::Shared()->Height(), height + 10);

    // Shrinking keeps the larger buffer.
    const GraphicsBuffer* grown = GraphicsBuffer::Shared();
    MoveWindow(host.Handle(), 0, 0, width - 10, height - 10, false);
    Repaint(host.Handle());
    EXPECT_EQ(GraphicsBuffer::Shared(), grown);
    EXPECT_EQ(host.Pixel(width - 15, height - 15), kGreen);
}

TEST_F(ControlTree, ARedrawRunningOffTheWindowKeepsTheSharedBuffer) {
    const GraphicsBuffer* before = GraphicsBuffer::Shared();
    const int width = (before ? before->Width() : 0) + 40;
    const int height = (before ? before->Height() : 0) + 30;

    HostWindow host;
    ColorBlock block(&host, kRed);
    Place(block, 0, 0, width, height);
    host.Children = {&block};
    host.Open(width, height);
    Repaint(host.Handle());
    const GraphicsBuffer* full = GraphicsBuffer::Shared();
    ASSERT_NE(full, nullptr);

    // A strip dragged out past the right edge and one entirely below the window: only the
    // visible part is painted, and the buffer that covers the window stays as it is.
    block.color = kGreen;
    host.RedrawRect(width - 10, 10, 500, 20);
    EXPECT_EQ(block.lastClip, Rect(width - 10, 10, 10, 20));
    EXPECT_EQ(host.Pixel(width - 5, 15), kGreen);
    EXPECT_EQ(host.Pixel(width - 15, 15), kRed);
    const int paints = block.paints;
    host.RedrawRect(10, height + 50, 20, 20);
    EXPECT_EQ(block.paints, paints);

    ASSERT_EQ(GraphicsBuffer::Shared(), full);
    EXPECT_EQ(GraphicsBuffer::Shared()->Width(), width);
    EXPECT_EQ(GraphicsBuffer::Shared()->Height(), height);
}

TEST_F(ControlTree, ABufferThatCannotBeMadeRaisesItsLocation) {
    HostWindow host;
    host.Open(50, 50);
    const HDC dc = GetDC(host.Handle());
    struct Case {
        HDC dc;
        int width, height;
        const char* location;
    };
    const Case cases[] = {
        {nullptr, 10, 10, "GraphicsBuffer::GraphicsBuffer (14)"},
        {dc, 0, 10, "GraphicsBuffer::GraphicsBuffer (16)"},
        {dc, 1 << 20, 1 << 20, "GraphicsBuffer::GraphicsBuffer (16)"},
    };
    for (const Case& c : cases) {
        try {
            GraphicsBuffer buffer(c.dc, c.width, c.height);
            ADD_FAILURE() << "no failure for " << c.location;
        } catch (const ApplicationException& e) {
            EXPECT_EQ(e.LocationText(), c.location);
        }
    }
    ReleaseDC(host.Handle(), dc);
}

}   // namespace
