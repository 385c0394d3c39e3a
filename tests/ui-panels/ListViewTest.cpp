// SPDX-License-Identifier: GPL-3.0-or-later
// The paged thumbnail grid: grid and paging arithmetic, cells and page controls in a window,
// activation by release, thumbnails that fail and are retried, thumbnails decoded reduced.

#include <algorithm>
#include <cstdlib>

#include "Canvas.h"
#include "JpegFile.h"
#include "PanelsTestSupport.h"
#include "SamplePicture.h"
#include "Scenes.h"
#include "platform/Input.h"
#include "gfx/Rectangles.h"
#include "ui/ListView.h"
#include "ui/ListViewItemControl.h"

namespace {

using namespace PanelsTest;

bool HasPageControls(const ListView& list) {
    return std::find(list.Children.begin(), list.Children.end(), &list.PageLabel) != list.Children.end();
}

// The item indices of the cells on the current page.
std::vector<int> VisibleIndices(const ListView& list) {
    std::vector<int> indices;
    for (const ListViewItemControl* cell : list.VisibleItems)
        indices.push_back(cell->ItemIndex);
    return indices;
}

std::vector<int> Range(int first, int count) {
    std::vector<int> indices;
    for (int i = 0; i < count; ++i)
        indices.push_back(first + i);
    return indices;
}

class ListViewTest : public ThemedTest {
protected:
    // A list of `count` items (the files need not exist) laid out at width x height.
    void Fill(int count) {
        for (int i = 0; i < count; ++i)
            list.AddItem(folder.path + "missing-" + std::to_string(i) + ".jpg", 1000 + i);
    }
    void Resize(int width, int height) {
        list.Width = width;
        list.Height = height;
        list.Layout();
    }

    ContainerControl parent{StyleId::GalleryPage, nullptr};
    ListView list{&parent};

    void SetUp() override {
        parent.Bounds = Gdiplus::Rect(0, 0, 2000, 2000);
        list.Left = 0;
        list.Top = 0;
    }
};

TEST_F(ListViewTest, TheGridFollowsTheSizeAndTheItemCount) {
    struct Case {
        int width, height, items;
        int columns, rows;
        const char* label;   // null: no page controls
        int visible;
    };
    const Case cases[] = {
        // (610 + 14) / 164 = 3 columns, (450 + 15) / 125 = 3 rows, 3 pages; with the page
        // controls' margin still (435 + 15) / 125 = 3 rows.
        {640, 480, 20, 3, 3, "Page 1 of 3", 9},
        // 390 high holds 3 rows of 9 items exactly; one item more needs the page controls,
        // whose margin leaves (345 + 15) / 125 = 2 rows: 6 per page, 2 pages.
        {640, 390, 9, 3, 3, nullptr, 9},
        {640, 390, 10, 3, 2, "Page 1 of 2", 6},
        // Narrower than one cell: no columns, nothing shown, no page controls.
        {150, 480, 20, 0, 3, nullptr, 0},
        // An empty list lays out its grid and shows nothing.
        {640, 480, 0, 3, 3, nullptr, 0},
        // Single-precision page count: 100 / 9 rounds up to 12.
        {640, 480, 100, 3, 3, "Page 1 of 12", 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << ", " << c.items << " items");
        list.ClearItems();
        Fill(c.items);
        Resize(c.width, c.height);
        EXPECT_EQ(list.PageColumns, c.columns);
        EXPECT_EQ(list.PageRows, c.rows);
        EXPECT_EQ(VisibleIndices(list), Range(0, c.visible));
        EXPECT_EQ(HasPageControls(list), c.label != nullptr);
        if (c.label) {
            EXPECT_EQ(list.PageLabel.Text, c.label);
        }
        EXPECT_EQ(list.Children.size(), static_cast<size_t>(c.visible + (c.label ? 3 : 0)));
    }
}

TEST_F(ListViewTest, CellsFillRowsLeftToRightAndThePageControlsSitSideBySideAtTheBottom) {
    parent.Bounds = Gdiplus::Rect(100, 50, 2000, 2000);
    list.Left = 20;
    list.Top = 30;
    Fill(20);
    Resize(640, 480);   // list at (120, 80)

    ASSERT_EQ(list.VisibleItems.size(), 9u);
    EXPECT_EQ(list.VisibleItems[0]->Bounds, Gdiplus::Rect(135, 95, 150, 110));
    // The fifth cell: second column, second row.
    EXPECT_EQ(list.VisibleItems[4]->Bounds, Gdiplus::Rect(135 + 164, 95 + 125, 150, 110));
    EXPECT_EQ(list.VisibleItems[8]->Bounds, Gdiplus::Rect(135 + 328, 95 + 250, 150, 110));

    // Label 100 wide centred: 120 + 320 - 50; the buttons 10 pixels either side; 5 from the
    // bottom edge at 80 + 480.
    EXPECT_EQ(list.PageLabel.Bounds, Gdiplus::Rect(390, 535, 100, 20));
    EXPECT_EQ(list.PreviousButton.Bounds, Gdiplus::Rect(350, 535, 30, 20));
    EXPECT_EQ(list.NextButton.Bounds, Gdiplus::Rect(500, 535, 30, 20));
}

TEST_F(ListViewTest, PagingStopsAtBothEndsAndRestoresTheCursor) {
    Fill(20);
    Resize(640, 480);
    const HCURSOR before = SetCursor(LoadCursor(SystemCursor::Arrow));

    struct Step {
        bool next;
        int first;
        const char* label;
        int visible;
    };
    const Step steps[] = {
        {true, 9, "Page 2 of 3", 9},  {true, 18, "Page 3 of 3", 2},
        {true, 18, "Page 3 of 3", 2},   // next on the last page
        {false, 9, "Page 2 of 3", 9}, {false, 0, "Page 1 of 3", 9},
        {false, 0, "Page 1 of 3", 9},   // previous on the first page
    };
    for (const Step& s : steps) {
        s.next ? list.NextPage() : list.PreviousPage();
        EXPECT_EQ(list.FirstIndex, s.first);
        EXPECT_EQ(list.PageLabel.Text, s.label);
        EXPECT_EQ(VisibleIndices(list), Range(s.first, s.visible));
        EXPECT_EQ(Headless::CurrentCursor(), SystemCursor::Arrow);
    }
    SetCursor(before);
}

TEST_F(ListViewTest, ResizingKeepsThePageThatHoldsTheFirstItem) {
    Fill(20);
    Resize(640, 480);
    list.NextPage();
    list.NextPage();
    ASSERT_EQ(list.FirstIndex, 18);

    // 5 x 3 cells: item 18 is on the second page of 15.
    Resize(960, 480);
    EXPECT_EQ(list.FirstIndex, 15);
    EXPECT_EQ(list.PageLabel.Text, "Page 2 of 2");
    EXPECT_EQ(VisibleIndices(list), Range(15, 5));

    // Back to 3 x 3: item 15 is on the second page of 9.
    Resize(640, 480);
    EXPECT_EQ(list.FirstIndex, 9);
    EXPECT_EQ(list.PageLabel.Text, "Page 2 of 3");

    // Growing so that everything fits drops the page controls and shows the first page.
    Resize(1600, 1000);
    EXPECT_EQ(list.FirstIndex, 0);
    EXPECT_FALSE(HasPageControls(list));
    EXPECT_EQ(VisibleIndices(list), Range(0, 20));

    // Clearing goes back to the start; cells are pooled, never dropped.
    const size_t pooled = list.ItemPool.size();
    list.ClearItems();
    Fill(3);
    Resize(640, 480);
    EXPECT_EQ(VisibleIndices(list), Range(0, 3));
    EXPECT_EQ(list.ItemPool.size(), pooled);
}

// The list inside a real window: clicks, page buttons and painted pixels.
class ListViewWindowTest : public ThemedTest {
protected:
    void SetUp() override {
        list.Left = 10;
        list.Top = 10;
        list.Width = 640;
        list.Height = 480;
        page.Children.push_back(&list);
    }
    void Open() {
        page.Open(0, 0, 700, 520);
        Pump();
    }
    void Click(int downX, int downY, int upX, int upY) {
        page.Send(WM_LBUTTONDOWN, downX, downY);
        page.Send(WM_LBUTTONUP, upX, upY);
    }

    struct Page : PageWindow {
        LRESULT Send(UINT message, int x, int y) { return SendMessage(Handle(), message, 0, MAKELPARAM(x, y)); }
        uint32_t Pixel(int x, int y) { return Headless::ReadPixel(Handle(), x, y); }
    } page;
    ListView list{&page};
};

TEST_F(ListViewWindowTest, AReleaseActivatesTheCellUnderItWhereverThePressWas) {
    for (int i = 0; i < 20; ++i)
        list.AddItem(folder.path + "none.png", i);
    Open();
    list.Layout();
    const Gdiplus::Rect first = list.VisibleItems[0]->Bounds;
    const Gdiplus::Rect fifth = list.VisibleItems[4]->Bounds;

    Click(first.X + 5, first.Y + 5, fifth.X + 5, fifth.Y + 5);
    ASSERT_EQ(page.notifications.size(), 1u);
    EXPECT_EQ(page.notifications[0].code, NotifyItemActivated);
    EXPECT_EQ(page.notifications[0].sender, &list);
    EXPECT_EQ(page.notifications[0].argument, list.VisibleItems[4]);

    // Between the cells and on the gap nothing is activated.
    Click(first.X + 5, first.Y + 5, first.X + 150 + 7, first.Y + 5);
    EXPECT_EQ(page.notifications.size(), 1u);

    // The next-page button pages; its click does not reach the page.
    const Gdiplus::Rect next = list.NextButton.Bounds;
    Click(next.X + 2, next.Y + 2, next.X + 2, next.Y + 2);
    EXPECT_EQ(list.FirstIndex, 9);
    EXPECT_EQ(page.notifications.size(), 1u);
    Click(fifth.X + 5, fifth.Y + 5, fifth.X + 5, fifth.Y + 5);
    ASSERT_EQ(page.notifications.size(), 2u);
    EXPECT_EQ(static_cast<ListViewItemControl*>(page.notifications[1].argument)->ItemIndex, 13);
}

TEST_F(ListViewWindowTest, AnUnreadablePictureLeavesAFramedCellAndIsTriedAgain) {
    const std::string good = folder.path + "good.png";
    const std::string late = folder.path + "late.png";
    WriteSolidPng(good, 300, 150, 0xFFE00000);
    list.AddItem(good, 1);
    list.AddItem(late, 2);
    Open();

    // 300 x 150 fitted into 150 x 110: 150 x 75, 17 pixels down.
    const Gdiplus::Rect a = list.VisibleItems[0]->Bounds;
    const Gdiplus::Rect b = list.VisibleItems[1]->Bounds;
    EXPECT_EQ(page.Pixel(a.X + 75, a.Y + 55), 0xFFE00000u);
    EXPECT_EQ(page.Pixel(a.X + 75, a.Y + 10), kListViewBackground);
    EXPECT_EQ(page.Pixel(b.X + 75, b.Y + 55), kListViewBackground);
    for (const Gdiplus::Rect& r : {a, b}) {
        EXPECT_TRUE(IsWhitish(page.Pixel(r.X, r.Y + 50)));
        EXPECT_TRUE(IsWhitish(page.Pixel(r.X + 75, r.Y)));
    }
    // The list view's own frame and background.
    EXPECT_TRUE(IsWhitish(page.Pixel(10, 200)));
    EXPECT_EQ(page.Pixel(12, 200), kListViewBackground);
    EXPECT_EQ(list.Items[1]->Thumbnail, nullptr);

    // The missing picture appears once its file does; the first stays as decoded, even with
    // its file gone.
    WriteSolidPng(late, 100, 100, 0xFF00E000);
    std::filesystem::remove(good);
    page.RedrawAll();
    EXPECT_EQ(page.Pixel(b.X + 75, b.Y + 55), 0xFF00E000u);
    EXPECT_EQ(page.Pixel(a.X + 75, a.Y + 55), 0xFFE00000u);
}

// Thumbnails of large JPEGs are decoded at a reduced scale that still covers the cell, and the
// cell shows what the full picture fitted into it shows.
TEST_F(ListViewWindowTest, AThumbnailDecodedReducedLooksLikeTheFullPicture) {
    const std::string path = folder.path + "large.jpg";
    {
        Canvas canvas(1600, 1200);
        Scenes::PaintLandscape(canvas, 1, 7);
        JpegFile::Write(canvas, path, 90);
    }
    list.AddItem(path, 1);
    Open();

    // 1600 x 1200 at 1/8 is 200 x 150, still larger than the 150 x 110 cell.
    ASSERT_NE(list.Items[0]->Thumbnail, nullptr);
    EXPECT_EQ(list.Items[0]->Thumbnail->GetWidth(), 200u);
    EXPECT_EQ(list.Items[0]->Thumbnail->GetHeight(), 150u);

    const Gdiplus::Rect cell = list.VisibleItems[0]->Bounds;
    Gdiplus::Bitmap full(path);
    ASSERT_EQ(full.GetLastStatus(), Gdiplus::Ok);
    const Gdiplus::Rect fit = FitRect(1600, 1200, 0, 0, cell.Width, cell.Height);
    Gdiplus::Bitmap reference(cell.Width, cell.Height);
    {
        Gdiplus::Graphics g(&reference);
        g.DrawImage(&full, fit);
        g.Flush();
    }
    long long difference = 0;
    int samples = 0;
    for (int y = fit.Y + 2; y < fit.Y + fit.Height - 2; ++y)
        for (int x = fit.X + 2; x < fit.X + fit.Width - 2; ++x) {
            Gdiplus::Color expected;
            reference.GetPixel(x, y, &expected);
            const uint32_t shown = page.Pixel(cell.X + x, cell.Y + y);
            const uint32_t wanted = expected.GetValue();
            for (int shift : {0, 8, 16})
                difference += std::abs(int((shown >> shift) & 0xFF) - int((wanted >> shift) & 0xFF));
            ++samples;
        }
    // Mean difference per channel below 4 of 255: the same picture, not merely similar colours.
    EXPECT_LT(static_cast<double>(difference) / (3.0 * samples), 4.0);
}

}   // namespace
