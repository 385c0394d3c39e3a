// SPDX-License-Identifier: GPL-3.0-or-later
// The gallery on the headless platform: its column of categories, its commands, switching
// categories, choosing a puzzle, a picture that cannot be read, and the gallery's state over a
// whole game.

#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "PlayTestSupport.h"
#include "TestLibrary.h"
#include "library/MakerSite.h"
#include "pages/PageGameStart.h"
#include "pages/PageStart.h"
#include "play/BlockPicture.h"
#include "play/PlayPicture.h"
#include "ui/DialogYesNo.h"
#include "ui/ListViewItemControl.h"
#include "ui/SharedDrawing.h"

namespace {

using namespace PlayTest;
using Gdiplus::Rect;
using Content = TestLibrary::CategoryContent;

POINT CentreOf(const Control& control) {
    return {control.Bounds.X + control.Bounds.Width / 2, control.Bounds.Y + control.Bounds.Height / 2};
}

class GalleryTest : public PlayEnvironment {
protected:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 800;
    // 6 columns and 5 rows of thumbnails fit a 1280 x 800 gallery.
    static constexpr int kPerPage = 30;

    ~GalleryTest() override {
        if (gallery)
            gallery->DestroyWindow();
    }

    // The gallery over a library of these categories, shown at the screen's corner, so that
    // client and screen coordinates agree.
    PageStart& Open(const std::vector<Content>& categories, int height = kHeight) {
        library.emplace(categories);
        gallery.emplace(*board, navigator);
        gallery->Create(nullptr, RECT{0, 0, kWidth, height}, "gallery", WS_POPUP);
        ShowWindow(*gallery, SW_SHOW);
        Pump();
        return *gallery;
    }

    uint32_t Pixel(int x, int y) { return Headless::ReadPixel(*gallery, x, y); }
    uint32_t PixelAt(const Control& control) {
        const POINT at = CentreOf(control);
        return Pixel(at.x, at.y);
    }
    // Every pixel of the window as it reached the screen.
    std::vector<uint32_t> Screen() {
        std::vector<uint32_t> pixels;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                pixels.push_back(Pixel(x, y));
        return pixels;
    }
    void ClickOn(const Control& control) {
        Click(CentreOf(control));
        Pump();
    }
    std::vector<int> ItemIds() const {
        std::vector<int> ids;
        for (const auto& item : gallery->Grid.Items)
            ids.push_back(item->Data);
        return ids;
    }
    std::vector<int> States() const { return StatesOf(*gallery); }
    static std::vector<int> StatesOf(const PageStart& page) {
        std::vector<int> states;
        for (const auto& button : page.CategoryButtons)
            states.push_back(button->State);
        return states;
    }

    RecordingNavigator navigator;
    std::optional<TestLibrary> library;
    std::optional<PageStart> gallery;
    Stepper stepper;
};

std::vector<int> Ids(int first, int count) {
    std::vector<int> ids;
    for (int i = 0; i < count; ++i)
        ids.push_back(first + i);
    return ids;
}

TEST_F(GalleryTest, OnlyCategoriesWithPuzzlesGetAButtonAndTheFirstFillsTheGrid) {
    PageStart& page = Open({{"Alpha", 2}, {"Beta", 0}, {"Gamma", 3}});
    ASSERT_EQ(page.CategoryButtons.size(), 2u);
    const MultiStateButton& alpha = *page.CategoryButtons[0];
    const MultiStateButton& gamma = *page.CategoryButtons[1];
    const int buttonHeight = alpha.GetHeight();
    EXPECT_EQ(alpha.Bounds.Y, 20);
    EXPECT_EQ(gamma.Bounds.Y, 20 + buttonHeight + 10);
    EXPECT_EQ(alpha.Bounds.X, 5);
    EXPECT_EQ(alpha.StyleId, StyleId::CategoryButton);
    EXPECT_EQ(alpha.CheckedText, "Alpha");
    EXPECT_EQ(alpha.UncheckedText, "Alpha");
    EXPECT_EQ(static_cast<const Category*>(gamma.Tag)->name, "Gamma");
    EXPECT_EQ(States(), (std::vector<int>{MultiStateButton::kChecked, MultiStateButton::kUnchecked}));
    EXPECT_EQ(ItemIds(), (std::vector<int>{1, 2}));
    EXPECT_EQ(PixelAt(*page.Grid.VisibleItems[1]), TestLibrary::ColourOf(2));

    // The grid right of the column and above the commands; the buttons after the strips.
    const int commandHeight = page.ExitStrip.button.GetHeight();
    EXPECT_EQ(page.Grid.Bounds, Rect(129, 10, kWidth - 139, kHeight - 10 - commandHeight - 15));
    ASSERT_EQ(page.Children.size(), 12u);
    EXPECT_EQ(page.Children[0], &page.Grid);
    EXPECT_EQ(page.Children[3], &page.ExitStrip.button);
    EXPECT_EQ(page.Children[9], &page.MoreStrip.button);
    EXPECT_EQ(page.Children[10], &alpha);
}

TEST_F(GalleryTest, TheThreeCommandsStandAsStripsAroundTheCentreLine) {
    PageStart& page = Open({{"Alpha", 1}});
    const int other = page.OtherStrip.button.GetWidth();
    struct Case {
        const CommandStrip& strip;
        const char* text;
        StyleId style;
        int centre;
    };
    const Case cases[] = {
        {page.MoreStrip, "More Puzzles", StyleId::MorePuzzlesButton, -(other + 80)},
        {page.OtherStrip, "Other Products", StyleId::OtherProductsButton, 0},
        {page.ExitStrip, "Exit Game", StyleId::ExitGameButton, other + 80},
    };
    for (const Case& c : cases) {
        const Rect& button = c.strip.button.Bounds;
        EXPECT_EQ(c.strip.button.Text, c.text);
        EXPECT_EQ(c.strip.button.StyleId, c.style) << c.text;
        EXPECT_EQ(button.X, kWidth / 2 - button.Width / 2 + c.centre) << c.text;
        EXPECT_EQ(c.strip.leftPiece.Bounds.GetRight(), button.X) << c.text;
        EXPECT_EQ(c.strip.rightPiece.Bounds.X, button.GetRight()) << c.text;
        for (const Control* piece :
             std::initializer_list<const Control*>{&c.strip.button, &c.strip.leftPiece, &c.strip.rightPiece})
            EXPECT_EQ(piece->Bounds.GetBottom(), kHeight - 5) << c.text;
    }
}

TEST_F(GalleryTest, WithoutPuzzlesTheColumnAndTheGridAreEmpty) {
    PageStart& page = Open({{"Alpha", 0}, {"Beta", 0}});
    EXPECT_TRUE(page.CategoryButtons.empty());
    EXPECT_TRUE(page.Grid.Items.empty());
    EXPECT_EQ(page.Children.size(), 10u);
    const Rect& grid = page.Grid.Bounds;
    EXPECT_EQ(Pixel(grid.X + 20, grid.Y + 20), kListViewBackground);
    EXPECT_EQ(Pixel(grid.X, grid.Y + 20), 0xFFFFFFFFu);   // the frame
    EXPECT_EQ(Pixel(60, 36), kPageBackground);            // where a first button would be
}

TEST_F(GalleryTest, TheColumnDoesNotScrollSoButtonsBelowThePageAreOutOfReach) {
    std::vector<Content> categories;
    for (char name = 'A'; name <= 'X'; ++name)
        categories.push_back({std::string(1, name) + " pictures", 1});
    PageStart& page = Open(categories, 400);
    ASSERT_EQ(page.CategoryButtons.size(), 24u);
    const int step = page.CategoryButtons[0]->GetHeight() + 10;
    for (size_t k = 0; k < page.CategoryButtons.size(); ++k)
        EXPECT_EQ(page.CategoryButtons[k]->Bounds.Y, 20 + static_cast<int>(k) * step) << k;
    // The page's last row shows the last button that reaches into the page; nothing below it
    // can be clicked.
    const size_t lastShown = (400 - 1 - 20) / step;
    Click({60, 399});
    Pump();
    EXPECT_EQ(page.CategoryButtons[lastShown]->State, MultiStateButton::kChecked);
    for (size_t k = lastShown + 1; k < page.CategoryButtons.size(); ++k)
        EXPECT_GE(page.CategoryButtons[k]->Bounds.Y, 400) << k;
}

TEST_F(GalleryTest, SwitchingCategoriesRedrawsThePageOnceAndTheCheckedOneDoesNothing) {
    PageStart& page = Open({{"Alpha", 40}, {"Beta", 3}});
    MultiStateButton& alpha = *page.CategoryButtons[0];
    MultiStateButton& beta = *page.CategoryButtons[1];
    ClickOn(page.Grid.NextButton);
    ASSERT_EQ(page.Grid.FirstIndex, kPerPage);

    // Changes that only a redraw would show: the checked category's caption and a command's.
    alpha.CheckedText = "Renamed";
    page.MoreStrip.button.Text = "Elsewhere";
    const std::vector<uint32_t> before = Screen();
    ClickOn(alpha);
    EXPECT_EQ(Screen(), before);
    EXPECT_EQ(page.Grid.FirstIndex, kPerPage);
    EXPECT_EQ(ItemIds(), Ids(1, 40));

    ClickOn(beta);
    EXPECT_EQ(States(), (std::vector<int>{MultiStateButton::kUnchecked, MultiStateButton::kChecked}));
    EXPECT_EQ(ItemIds(), Ids(41, 3));
    EXPECT_EQ(page.Grid.FirstIndex, 0);
    EXPECT_EQ(PixelAt(*page.Grid.VisibleItems[0]), TestLibrary::ColourOf(41));
    EXPECT_NE(PixelAt(page.MoreStrip.button),
              before[CentreOf(page.MoreStrip.button).y * kWidth + CentreOf(page.MoreStrip.button).x]);
    EXPECT_EQ(Headless::CurrentCursor(), SystemCursor::Arrow);

    // Back to the first category: its first page again.
    ClickOn(alpha);
    EXPECT_EQ(page.Grid.FirstIndex, 0);
    EXPECT_EQ(PixelAt(*page.Grid.VisibleItems[0]), TestLibrary::ColourOf(1));
    EXPECT_TRUE(navigator.calls.empty());
}

// Runs the page with PATH pointing at a folder that holds a stand-in xdg-open (or none).
class GalleryCommandTest : public GalleryTest {
protected:
    void SetUp() override {
        if (const char* path = std::getenv("PATH"))
            savedPath = path;
        setenv("PATH", bin.path.c_str(), 1);
    }
    void TearDown() override { setenv("PATH", savedPath.c_str(), 1); }

    void InstallRecordingXdgOpen() {
        const std::string script = "#!/bin/sh\nprintf '%s\\n' \"$1\" > '" + bin.path + "url.tmp'\n/bin/mv '" +
                                   bin.path + "url.tmp' '" + bin.path + "url'\n";
        chmod(bin.Write("xdg-open", script).c_str(), 0755);
    }
    // The address the stand-in was given, once it has run.
    std::string OpenedAddress() {
        const std::string file = bin.path + "url";
        for (int i = 0; i < 500 && !std::filesystem::exists(file); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream in(file);
        std::string address;
        std::getline(in, address);
        std::filesystem::remove(file);
        return address;
    }

    TempFolder bin;
    std::string savedPath;
};

TEST_F(GalleryCommandTest, TheCommandsOpenTheMakersPagesOrCloseTheGame) {
    PageStart& page = Open({{"Alpha", 1}});
    // Without a browser to start the page stays as it was.
    const std::vector<uint32_t> before = Screen();
    ClickOn(page.OtherStrip.button);
    EXPECT_EQ(Screen(), before);

    InstallRecordingXdgOpen();
    ClickOn(page.OtherStrip.button);
    EXPECT_EQ(OpenedAddress(), MakerSite::UrlOtherProducts());
    ClickOn(page.MoreStrip.button);
    EXPECT_EQ(OpenedAddress(), MakerSite::UrlMorePuzzles());
    EXPECT_TRUE(navigator.calls.empty());
    ClickOn(page.ExitStrip.button);
    EXPECT_EQ(navigator.calls, std::vector<std::string>{"RequestClose"});
}

TEST_F(GalleryTest, AThumbnailPutsItsPuzzleOnTheBoardAndLeadsToTheSetUpPage) {
    PageStart& page = Open({{"Alpha", 3}});
    board->edgesOnly = true;
    ClickOn(*page.Grid.VisibleItems[2]);
    EXPECT_EQ(navigator.calls, std::vector<std::string>{"ShowPageGameStart"});
    EXPECT_EQ(board->puzzleId, 3);
    EXPECT_FALSE(board->edgesOnly);
    const Gdiplus::Size size =
        PlayPictureSize(kWidth, kHeight, TestLibrary::kPictureWidth, TestLibrary::kPictureHeight);
    ASSERT_NE(board->picture.Get(), nullptr);
    EXPECT_EQ(board->picture->GetWidth(), static_cast<UINT>(size.Width));
    EXPECT_EQ(board->picture->GetHeight(), static_cast<UINT>(size.Height));
    Gdiplus::Color colour;
    board->picture->GetPixel(size.Width / 2, size.Height / 2, &colour);
    EXPECT_EQ(colour.GetValue(), TestLibrary::ColourOf(3));
}

TEST_F(GalleryTest, AnUnreadablePictureLeavesTheGalleryTheBoardAndThePagesAsTheyWere) {
    PageStart& page = Open({{"Alpha", 5}});
    // Puzzle 1 is a real JPEG, so that a cut one still has a readable header.
    BlockPicture::Write(library->PuzzlePath(1, ".jpg"), 400, 300);
    std::ifstream in(library->PuzzlePath(1, ".jpg"), std::ios::binary);
    const std::string jpeg((std::istreambuf_iterator<char>(in)), {});
    std::filesystem::remove(library->PuzzlePath(2, ".jpg"));
    std::ofstream(library->PuzzlePath(3, ".jpg"), std::ios::binary) << jpeg.substr(0, jpeg.size() / 2);
    std::ofstream(library->PuzzlePath(4, ".jpg"), std::ios::binary) << "not a picture";

    board->picture.Reset(TestPicture::NewBitmap(60, 40));
    const Gdiplus::Bitmap* previous = board->picture.Get();
    board->puzzleId = 99;
    board->edgesOnly = true;
    const std::vector<uint32_t> before = Screen();
    const auto unchanged = [&](const char* what) {
        EXPECT_TRUE(navigator.calls.empty()) << what;
        EXPECT_EQ(board->picture.Get(), previous) << what;
        EXPECT_EQ(board->puzzleId, 99) << what;
        EXPECT_TRUE(board->edgesOnly) << what;
        EXPECT_TRUE(IsWindowVisible(page)) << what;
        EXPECT_EQ(page.Grid.Items.size(), 5u) << what;
        EXPECT_EQ(Screen(), before) << what;
    };
    const struct {
        size_t cell;
        const char* what;
    } unreadable[] = {
        {1, "deleted"},
        {2, "cut short"},
        {3, "garbage"},
    };
    for (const auto& c : unreadable) {
        ClickOn(*page.Grid.VisibleItems[c.cell]);
        unchanged(c.what);
    }
    // A window without a client area makes no picture either.
    ListViewItemControl* good = page.Grid.VisibleItems[4];
    MoveWindow(page, 0, 0, 0, 0, false);
    page.OnNotify(NotifyItemActivated, &page.Grid, good);
    MoveWindow(page, 0, 0, kWidth, kHeight, true);
    Pump();
    unchanged("no client area");

    // The next good one goes ahead, also the JPEG beside the damaged ones.
    ClickOn(*page.Grid.VisibleItems[0]);
    EXPECT_EQ(navigator.calls, std::vector<std::string>{"ShowPageGameStart"});
    EXPECT_EQ(board->puzzleId, 1);
    EXPECT_FALSE(board->edgesOnly);
    const Gdiplus::Size size = PlayPictureSize(kWidth, kHeight, 400, 300);
    EXPECT_EQ(board->picture->GetWidth(), static_cast<UINT>(size.Width));
}

// The three pages as the main window switches them: one shown at a time, the set-up page
// prepared and the game started before they are shown.
struct SwitchingNavigator : PageNavigator {
    void ShowPageStart() override { Show(*start); }
    void ShowPageGameStart() override {
        setUp->Prepare();
        Show(*setUp);
    }
    void ShowPageGame() override {
        game->StartGame();
        Show(*game);
    }
    void RequestClose() override {}
    void Show(ControlHostWindow& page) {
        ShowWindow(page, SW_SHOW);
        for (ControlHostWindow* other : std::initializer_list<ControlHostWindow*>{start, setUp, game})
            if (other != &page)
                ShowWindow(*other, SW_HIDE);
    }
    ControlHostWindow* start = nullptr;
    PageGameStart* setUp = nullptr;
    PageGame* game = nullptr;
};

TEST_F(GalleryTest, TheCategoryAndItsPageSurviveAGameAndTheWayBack) {
    library.emplace(std::vector<Content>{{"Alpha", 3}, {"Beta", 40}});
    SwitchingNavigator road;
    PageStart start(*board, road);
    PageGameStart setUp(*board, road);
    PageGame game(*board, road);
    road.start = &start, road.setUp = &setUp, road.game = &game;
    for (ControlHostWindow* page : std::initializer_list<ControlHostWindow*>{&start, &setUp, &game})
        page->Create(nullptr, RECT{0, 0, kWidth, kHeight}, "page", WS_POPUP);
    road.Show(start);
    Pump();

    ClickOn(*start.CategoryButtons[1]);
    ClickOn(start.Grid.NextButton);
    ASSERT_EQ(start.Grid.FirstIndex, kPerPage);
    const int chosen = start.Grid.Items[kPerPage + 1]->Data;
    ClickOn(*start.Grid.VisibleItems[1]);
    ASSERT_TRUE(IsWindowVisible(setUp));
    EXPECT_EQ(board->puzzleId, chosen);
    ClickOn(setUp.StartStrip.button);
    ASSERT_TRUE(IsWindowVisible(game));
    EXPECT_EQ(board->groups.size(), 35u);   // 7 x 5 for a 4 : 3 picture
    // Back from the play page, saying yes to leaving the open game.
    Click(CentreOf(game.GalleryButton));
    stepper.Post([] {
        Dialog* panel = PanelUp();
        ASSERT_NE(dynamic_cast<DialogYesNo*>(panel), nullptr);
        ClickChild(*panel, 0);   // "Yes"
    });
    Pump();

    ASSERT_TRUE(IsWindowVisible(start));
    EXPECT_FALSE(IsWindowVisible(game));
    EXPECT_EQ(StatesOf(start), (std::vector<int>{MultiStateButton::kUnchecked, MultiStateButton::kChecked}));
    EXPECT_EQ(start.Grid.FirstIndex, kPerPage);
    EXPECT_EQ(start.Grid.PageLabel.Text, "Page 2 of 2");
    EXPECT_EQ(
        Headless::ReadPixel(start, CentreOf(*start.Grid.VisibleItems[1]).x, CentreOf(*start.Grid.VisibleItems[1]).y),
        TestLibrary::ColourOf(chosen));
    for (ControlHostWindow* page : std::initializer_list<ControlHostWindow*>{&start, &setUp, &game})
        page->DestroyWindow();
}

}   // namespace
