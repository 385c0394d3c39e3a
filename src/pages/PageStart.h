// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The gallery: a column of category buttons on the left, the chosen category's pictures in a
// paged grid of thumbnails, and "More Puzzles", "Other Products" and "Exit Game" as strips of
// puzzle pieces along the bottom. A click on a thumbnail puts that puzzle's play picture on the
// board and leads to the set-up page.

#include <memory>
#include <vector>

#include "pages/PageNavigator.h"
#include "ui/CommandStrip.h"
#include "ui/ControlHostWindow.h"
#include "ui/ListView.h"
#include "ui/MultiStateButton.h"

class Board;
class Category;

class PageStart : public ControlHostWindow {
public:
    static constexpr ::StyleId kStyleId = StyleId::GalleryPage;

    // Lays the page out from the theme's image sizes, so the theme must be installed; builds a
    // button for every category of the library that holds puzzles and selects the first. A
    // chosen puzzle goes onto the board.
    PageStart(Board& board, PageNavigator& navigator);
    ~PageStart() override;

    // Checks the button, unchecks the others and fills the grid with its category's pictures,
    // from the first page; nothing is redrawn. The checked button changes nothing.
    void SelectCategory(MultiStateButton& button);

    // Fills the rectangle being painted with the page colour; the controls come on top.
    void PaintBackground(Gdiplus::Graphics& g, int x, int y, int w, int h) override;
    void OnNotify(NotifyCode code, Control* sender, Control* argument) override;

    ListView Grid;
    CommandStrip ExitStrip;
    CommandStrip OtherStrip;
    CommandStrip MoreStrip;
    // One per category with puzzles, in the library's order, each with its Category in Tag.
    std::vector<std::unique_ptr<MultiStateButton>> CategoryButtons;

private:
    void BuildCategoryButtons();
    bool IsCategoryButton(const Control* control) const;
    // The thumbnail's puzzle becomes the board's; a picture that cannot be made leaves the
    // gallery, the board and the pages as they were.
    void ChoosePuzzle(const Control* cell);

    Board& board;
    PageNavigator& navigator;
};
