// SPDX-License-Identifier: GPL-3.0-or-later
// The game's shell on the headless platform: the main window, its pages, navigation,
// activation, closing and the exit code.

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>

#include "app/App.h"
#include "app/FormMain.h"
#include "app/ProcessEntry.h"
#include "foundation/ApplicationException.h"
#include "geometry/TestPicture.h"
#include "library/GameWindowClass.h"
#include "pages/PlayTestSupport.h"
#include "platform/Headless.h"
#include "platform/MessageLoop.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "play/Board.h"
#include "ui/SharedDrawing.h"

namespace {

class AppTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(InitPlatform(kGameWindowClass)); }
    void TearDown() override { ShutdownPlatform(); }

    // Starts the game as the process entry does, without entering the loop.
    FormMain& Start() {
        EXPECT_TRUE(App::Instance().OnStartup());
        Pump();
        return *FormMain::Instance;
    }

    static void Pump() {
        MSG msg;
        while (PeekMessage(msg, PM_REMOVE) && msg.message != WM_QUIT)
            DispatchMessage(msg);
    }

    static RECT Client(HWND window) {
        RECT rect;
        GetClientRect(window, rect);
        return rect;
    }

    // The gallery puts a picture into the board before a game can start.
    static void ChoosePicture() { ChoosePictureAndCut(7); }
    static void ChoosePictureAndCut(int longSide) {
        Board::Current()->picture.Reset(TestPicture::NewBitmap(400, 300));
        Board::Current()->cut->longSideCount = longSide;
    }

    // A 2 x 2 game on the play page with every piece but the last joined; the last lies 10
    // pixels from its place, on top. Returns a screen point on it (the maximised frame's client
    // area starts at the screen's corner).
    static POINT StartNearlySolvedGame(FormMain& form) {
        ChoosePictureAndCut(2);
        form.ShowPageGame();
        Board& board = *Board::Current();
        PieceGroup& whole = *board.groups.front();
        for (size_t i = 1; i + 1 < board.pieces.size(); ++i)
            whole.AddPiece(board.pieces[i].get());
        board.groups.erase(board.groups.begin() + 1, board.groups.end() - 1);
        PieceGroup& last = *board.groups.back();
        last.offsetX = whole.offsetX + 10;
        last.offsetY = whole.offsetY + 10;
        int32_t x = 0, y = 0;
        for (const GridVertex& v : last.pieces[0]->vertices)
            x += v.x, y += v.y;
        return {x / 4 + last.offsetX, y / 4 + last.offsetY};
    }

    static std::vector<ControlHostWindow*> Pages(FormMain& form) {
        return {&form.view.pageStart, &form.view.pageGameStart, &form.view.pageGame};
    }

    static std::vector<bool> Visible(FormMain& form) {
        std::vector<bool> visible;
        for (ControlHostWindow* page : Pages(form))
            visible.push_back(IsWindowVisible(*page));
        return visible;
    }

    static void ExpectPagesSized(FormMain& form, int width, int height) {
        for (ControlHostWindow* page : Pages(form)) {
            EXPECT_EQ(Client(*page).right, width);
            EXPECT_EQ(Client(*page).bottom, height);
        }
    }
};

TEST_F(AppTest, StartupOpensTheMaximisedMainWindowWithTheGalleryShown) {
    FormMain& form = Start();
    ASSERT_TRUE(IsWindow(form));
    EXPECT_EQ(GetClassName(form), "Tessiva_MainForm");
    EXPECT_EQ(GetWindowText(form), "Tessiva Orlune");
    EXPECT_TRUE(IsZoomed(form));
    EXPECT_TRUE(IsWindowVisible(form));
    RECT frame;
    GetWindowRect(form, frame);
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(frame.right, Headless::kScreenWidth);
    EXPECT_EQ(frame.bottom, Headless::kScreenHeight);
    EXPECT_EQ(Client(form.view).right, Headless::kScreenWidth);
    EXPECT_EQ(Client(form.view).bottom, Headless::kScreenHeight);
    ExpectPagesSized(form, Headless::kScreenWidth, Headless::kScreenHeight);
    EXPECT_EQ(Visible(form), (std::vector<bool>{true, false, false}));
    // The gallery page paints itself in the page colour.
    EXPECT_EQ(Headless::ReadPixel(form.view.pageStart, 0, 0), kPageBackground);
    EXPECT_EQ(Headless::ReadPixel(form.view.pageStart, 1919, 1079), kPageBackground);
}

TEST_F(AppTest, PagesFollowTheFrameHiddenOnesTooButNotWhileMinimised) {
    FormMain& form = Start();
    MoveWindow(form, 10, 20, 800, 600, true);
    ExpectPagesSized(form, 800, 600);

    ShowWindow(form, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(form));
    ExpectPagesSized(form, 800, 600);

    ShowWindow(form, SW_RESTORE);
    EXPECT_FALSE(IsIconic(form));
    ExpectPagesSized(form, 800, 600);
    ShowWindow(form, SW_SHOWMAXIMIZED);
    ExpectPagesSized(form, Headless::kScreenWidth, Headless::kScreenHeight);
}

TEST_F(AppTest, NavigationShowsOnePageUnderTheWaitCursorAndRestoresTheCursor) {
    FormMain& form = Start();
    ChoosePicture();
    struct Step {
        void (FormMain::*show)();
        std::vector<bool> visible;
    };
    const Step steps[] = {
        {&FormMain::ShowPageGameStart, {false, true, false}},
        {&FormMain::ShowPageGame, {false, false, true}},
        {&FormMain::ShowPageStart, {true, false, false}},
        {&FormMain::ShowPageGame, {false, false, true}},
    };
    for (const Step& step : steps) {
        (form.*step.show)();
        EXPECT_EQ(Visible(form), step.visible);
        EXPECT_EQ(Headless::CurrentCursor(), SystemCursor::Arrow);
    }
    Pump();
    EXPECT_EQ(Headless::ReadPixel(form.view.pageGame, 5, 5), kPageBackground);
}

TEST_F(AppTest, AFailingPreparationOrStartRestoresTheCursorAndKeepsThePageShown) {
    FormMain& form = Start();
    ChoosePicture();
    Board::Current()->cut.Reset();   // both steps need the cut
    for (void (FormMain::*show)() : {&FormMain::ShowPageGameStart, &FormMain::ShowPageGame}) {
        EXPECT_THROW((form.*show)(), ApplicationException);
        EXPECT_EQ(Headless::CurrentCursor(), SystemCursor::Arrow);
        EXPECT_EQ(Visible(form), (std::vector<bool>{true, false, false}));
    }
}

TEST_F(AppTest, LosingTheActivationReachesOnlyTheVisiblePage) {
    FormMain& form = Start();
    ChoosePicture();
    Board& board = *Board::Current();
    // A piece held on the hidden play page is left alone while the gallery is shown.
    form.ShowPageGame();
    form.ShowPageStart();
    const Gdiplus::Rect box = board.groups.front()->BoardBox();
    for (int y = box.Y; y < box.GetBottom() && !board.dragged; ++y)
        for (int x = box.X; x < box.GetRight() && !board.dragged; ++x)
            board.Pick(x, y);
    ASSERT_NE(board.dragged, nullptr);
    Headless::InjectActivateApp(false);
    EXPECT_NE(board.dragged, nullptr);
    EXPECT_EQ(board.clock, ClockState::Running);

    // Shown, the play page drops it and stops the clock; regaining the activation does nothing.
    ShowWindow(form.view.pageStart, SW_HIDE);
    ShowWindow(form.view.pageGame, SW_SHOW);
    Headless::InjectActivateApp(false);
    EXPECT_EQ(board.dragged, nullptr);
    EXPECT_EQ(board.clock, ClockState::Stopped);
    Headless::InjectActivateApp(true);
    EXPECT_EQ(board.clock, ClockState::Stopped);
}

TEST_F(AppTest, TheLastJoinOffersTheGalleryOnceAndBackToGalleryShowsIt) {
    FormMain& form = Start();
    const POINT at = StartNearlySolvedGame(form);
    PlayTest::Stepper stepper;
    int panels = 0;
    Headless::InjectMouse(WM_LBUTTONDOWN, at);
    Headless::InjectMouse(WM_LBUTTONUP, at);
    stepper.Post([&] {
        if (Dialog* panel = PlayTest::PanelUp()) {
            ++panels;
            PlayTest::ClickChild(*panel, 0);   // "Back to Gallery"
        }
    });
    Pump();
    EXPECT_TRUE(Board::Current()->IsSolved());
    EXPECT_EQ(panels, 1);
    EXPECT_EQ(Visible(form), (std::vector<bool>{true, false, false}));
}

TEST_F(AppTest, AFailureWhileTheCompletionPanelIsUpEndsOnlyThatMessage) {
    FormMain& form = Start();
    const POINT at = StartNearlySolvedGame(form);
    Headless::InjectMouse(WM_LBUTTONDOWN, at);
    Pump();
    ASSERT_NE(Board::Current()->dragged, nullptr);
    // Switching away drops the piece, which finishes the puzzle; inside the completion
    // panel's loop a handler fails.
    struct Failing : WindowImpl {
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_APP)
                throw std::runtime_error("failure inside the panel");
            return WindowImpl::WindowProc(message, wParam, lParam);
        }
    } failing;
    failing.Create(nullptr, RECT{0, 0, 1, 1}, "", WS_POPUP);
    PostMessage(failing, WM_APP, 0, 0);
    Headless::InjectActivateApp(false);
    EXPECT_TRUE(Board::Current()->IsSolved());
    EXPECT_EQ(PlayTest::PanelUp(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(form));
    // The game goes on and still ends with its normal exit code.
    form.RequestClose();
    MessageLoop loop;
    EXPECT_EQ(loop.Run(), 1);
}

TEST_F(AppTest, ClosingTheFrameEndsTheLoopWithExitCode1) {
    struct Case {
        const char* how;
        void (*close)(FormMain& form);
    };
    const Case cases[] = {
        {"RequestClose", [](FormMain& form) { form.RequestClose(); }},
        {"close box", [](FormMain& form) { Headless::InjectClose(form); }},
        {"exit command", [](FormMain& form) { SendMessage(form, WM_COMMAND, ID_APP_EXIT, 0); }},
    };
    for (const Case& c : cases) {
        FormMain& form = Start();
        const HWND frame = form;
        MessageLoop loop;
        c.close(form);
        EXPECT_EQ(loop.Run(), 1) << c.how;
        EXPECT_FALSE(IsWindow(frame)) << c.how;
    }
}

TEST_F(AppTest, TheProcessEntryReturnsTheQuitCodeOr0WhenAnExceptionLeavesTheLoop) {
    // A quit already queued ends the loop right after start-up.
    PostQuitMessage(7);
    EXPECT_EQ(RunGame(), 7);
    EXPECT_EQ(GetMessageLoop(), nullptr);

    // With nothing left to happen the headless queue throws instead of waiting for ever; the
    // play page's clock timer is the only thing that could still happen, so it goes first.
    struct TimerStopper : WindowImpl {
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message != WM_APP)
                return WindowImpl::WindowProc(message, wParam, lParam);
            KillTimer(FormMain::Instance->view.pageGame, PageGame::kClockTimer);
            return 0;
        }
    } stopper;
    stopper.Create(nullptr, RECT{0, 0, 1, 1}, "", WS_POPUP);
    PostMessage(stopper, WM_APP, 0, 0);
    EXPECT_EQ(RunGame(), 0);
    EXPECT_EQ(GetMessageLoop(), nullptr);
}

// A page whose own handling fails for one message.
class FailingPage : public ControlHostWindow {
public:
    FailingPage() : ControlHostWindow(StyleId::GalleryPage) {}

protected:
    bool HandleOwnMessage(UINT message, WPARAM, LPARAM, LRESULT&) override {
        if (message == WM_USER)
            throw std::runtime_error("page failure");
        return false;
    }
};

TEST_F(AppTest, AnExceptionInAPageHandlerKeepsTheWindowAndTheLoopGoing) {
    FormMain& form = Start();
    FailingPage page;
    ASSERT_TRUE(page.Create(form.view, RECT{0, 0, 100, 100}, "", WS_CHILD | WS_VISIBLE));
    PostMessage(page, WM_USER, 0, 0);
    PostMessage(page, WM_USER, 0, 0);
    form.RequestClose();
    MessageLoop loop;
    const HWND pageWindow = page;
    EXPECT_EQ(SendMessage(page, WM_USER, 0, 0), 0);
    EXPECT_TRUE(IsWindow(pageWindow));
    EXPECT_EQ(loop.Run(), 1);   // both failures passed, then the close ended the game
}

TEST(AppFolders, FoldersLieBesideTheProgramAndEndInASlash) {
    char exe[PATH_MAX] = {};
    ASSERT_GT(readlink("/proc/self/exe", exe, sizeof exe - 1), 0);
    std::string folder(exe);
    folder.erase(folder.rfind('/') + 1);
    EXPECT_EQ(App::PathProgram(), folder);
    EXPECT_EQ(App::PathPuzzles(), folder + "Puzzles/");
    EXPECT_EQ(App::PathThemes(), folder + "Themes/");
    EXPECT_EQ(App::PathUI(), folder + "UI/");
}

TEST(AppFolders, WebAddressesPointAtTheMakersSite) {
    EXPECT_EQ(App::UrlMorePuzzles(), "https://tessiva.example/tessiva-puzzle/extra?ref=app");
    EXPECT_EQ(App::UrlOtherProducts(), "https://tessiva.example/products?product=tessiva&ref=app");
}

}   // namespace
