// SPDX-License-Identifier: GPL-3.0-or-later
// The modal loop: it blocks its caller, keeps input from the owner, returns the ending value.

#include "PlatformTestSupport.h"
#include "platform/DialogImpl.h"
#include "platform/Headless.h"

namespace {

constexpr UINT kFinish = WM_USER + 7;
constexpr UINT kUp = WM_USER + 8;

// Runs `onInit` at initialisation and `whileUp` from the modal loop, once the dialog is shown.
class ScriptedDialog : public DialogImpl {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_INITDIALOG) {
            if (onInit)
                onInit(*this);
            if (whileUp)
                PostMessage(Handle(), kUp, 0, 0);
        }
        if (message == kUp)
            whileUp(*this);
        if (message == kFinish)
            EndDialog(static_cast<INT_PTR>(wParam));
        return DialogImpl::WindowProc(message, wParam, lParam);
    }
    std::function<void(ScriptedDialog&)> onInit;
    std::function<void(ScriptedDialog&)> whileUp;
};

class ModalDialogTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        ASSERT_TRUE(owner.Create(nullptr, Rect(200, 100, 800, 600), "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
        Pump();
    }
    RecordingWindow owner;
};

TEST_F(ModalDialogTest, BlocksTheCallerDisablesTheOwnerAndReturnsTheEndingValue) {
    ScriptedDialog dialog;
    bool ownerEnabledWhileUp = true;
    HWND dialogWindow = nullptr;
    dialog.whileUp = [&](ScriptedDialog& d) {
        dialogWindow = d.Handle();
        // A click on the owner beside the panel while it is up, then the panel's own ending.
        Headless::InjectMouse(WM_LBUTTONDOWN, {900, 600});
        Headless::InjectMouse(WM_LBUTTONUP, {900, 600});
        PostMessage(d, kFinish, 37, 0);
    };
    owner.react = [&](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (message == WM_ENABLE)
            ownerEnabledWhileUp = false;
        return std::nullopt;
    };

    // The value comes from a message posted at initialisation: DoModal ran the loop until then.
    EXPECT_EQ(dialog.DoModal(owner), 37);
    EXPECT_FALSE(ownerEnabledWhileUp);
    EXPECT_TRUE(owner.Of(WM_LBUTTONDOWN).empty());
    EXPECT_TRUE(owner.Of(WM_LBUTTONUP).empty());
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(IsWindow(dialogWindow));
}

TEST_F(ModalDialogTest, AChildWindowAsOwnerStopsItsWholeTopLevelWindow) {
    RecordingWindow page;
    ASSERT_TRUE(page.Create(owner, Rect(0, 0, 800, 600), "", WS_CHILD | WS_VISIBLE));
    ScriptedDialog dialog;
    HWND dialogOwner = nullptr;
    bool ownerEnabledWhileUp = true;
    dialog.whileUp = [&](ScriptedDialog& d) {
        dialogOwner = GetParent(d);
        ownerEnabledWhileUp = IsWindowEnabled(owner);
        Headless::InjectMouse(WM_LBUTTONDOWN, {900, 600});   // on the page, beside the panel
        Headless::InjectClose(owner);                        // the frame's close box
        PostMessage(d, kFinish, 4, 0);
    };
    EXPECT_EQ(dialog.DoModal(page), 4);
    EXPECT_EQ(dialogOwner, owner.Handle());
    EXPECT_FALSE(ownerEnabledWhileUp);
    EXPECT_TRUE(page.Of(WM_LBUTTONDOWN).empty());
    EXPECT_TRUE(owner.Of(WM_CLOSE).empty());
    EXPECT_TRUE(IsWindow(owner));
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(ModalDialogTest, TheDialogStartsAtTheOwnersClientOriginAndMayMoveItselfOnInit) {
    ScriptedDialog dialog;
    RECT atInit{}, afterMove{};
    dialog.onInit = [&](ScriptedDialog& d) {
        GetWindowRect(d, atInit);
        MoveWindow(d, 500, 300, 400, 200, false);
        GetWindowRect(d, afterMove);
        PostMessage(d, kFinish, 6, 0);
    };
    EXPECT_EQ(dialog.DoModal(owner), 6);
    EXPECT_EQ(atInit.left, 200);
    EXPECT_EQ(atInit.top, 100);
    EXPECT_EQ(atInit.right - atInit.left, 321);
    EXPECT_EQ(afterMove.left, 500);
    EXPECT_EQ(afterMove.right - afterMove.left, 400);
}

TEST_F(ModalDialogTest, AQuitDuringTheDialogEndsItAndReachesTheOuterLoop) {
    ScriptedDialog dialog;
    dialog.onInit = [](ScriptedDialog&) { PostQuitMessage(3); };
    EXPECT_EQ(dialog.DoModal(owner), -1);
    EXPECT_TRUE(IsWindowEnabled(owner));
    MSG msg;
    EXPECT_FALSE(GetMessage(msg));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(ModalDialogTest, AnExceptionInTheDialogStillGivesTheOwnerBack) {
    class Thrown {};
    ScriptedDialog dialog;
    dialog.onInit = [](ScriptedDialog&) { throw Thrown(); };
    EXPECT_THROW(dialog.DoModal(owner), Thrown);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(dialog.Handle(), nullptr);
}

}   // namespace
