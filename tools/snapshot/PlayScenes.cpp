// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayScenes.h"

#include <algorithm>

#include "PhotographedPanel.h"
#include "SampleLibrary.h"
#include "pages/PageGame.h"
#include "play/Board.h"
#include "ui/DialogGameComplete.h"

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 800;
constexpr int kLongSide = 7;

// Puts every piece in its place with the board's own operations, row by row from the first
// piece, which goes to the middle of the board.
void Assemble(Board& board, const Gdiplus::Rect& boardRect) {
    const auto centre = [](const Piece& piece) {
        int32_t x = 0, y = 0;
        for (const GridVertex& v : piece.vertices)
            x += v.x, y += v.y;
        return Gdiplus::Point(x / 4, y / 4);
    };
    const auto groupOf = [&](const Piece* piece) {
        return std::find_if(board.groups.begin(), board.groups.end(), [&](const auto& group) {
            return std::find(group->pieces.begin(), group->pieces.end(), piece) != group->pieces.end();
        });
    };
    const int32_t width = static_cast<int32_t>(board.picture->GetWidth());
    const int32_t height = static_cast<int32_t>(board.picture->GetHeight());
    const Gdiplus::Point home(boardRect.X + (boardRect.Width - width) / 2,
                              boardRect.Y + (boardRect.Height - height) / 2);
    const Piece* first = board.pieces.front().get();
    for (const auto& piece : board.pieces) {
        auto group = groupOf(piece.get());
        const PieceGroup* anchor = groupOf(first)->get();
        if (piece.get() != first && group->get() == anchor)
            continue;
        // On top, so that the press at its centre reaches it.
        std::rotate(group, std::next(group), board.groups.end());
        const PieceGroup& moving = *board.groups.back();
        const Gdiplus::Point at = centre(*piece);
        const int32_t x = at.X + moving.offsetX, y = at.Y + moving.offsetY;
        const int32_t targetX = piece.get() == first ? home.X : anchor->offsetX;
        const int32_t targetY = piece.get() == first ? home.Y : anchor->offsetY;
        if (!board.Pick(x, y))
            continue;
        board.DragTo(x + targetX - moving.offsetX, y + targetY - moving.offsetY, boardRect);
        board.Drop();
    }
}

class PlayScene : public Scene {
public:
    PlayScene(Board& board, bool solved) : solved(solved), board(board), page(board, navigator) {}
    ~PlayScene() override { page.DestroyWindow(); }

    HWND Open() override {
        if (!PrepareSampleBoard(board, kLongSide, kWidth, kHeight))
            return nullptr;
        page.Create(nullptr, RECT{0, 0, kWidth, kHeight}, "play", WS_POPUP);
        if (!page.Handle())
            return nullptr;
        page.StartGame();
        ShowWindow(page, SW_SHOW);
        if (solved) {
            Assemble(board, page.BoardRect());
            ShowPanelPhotographed<DialogGameComplete>(page, photo);
            page.Layout();
        }
        return page.Handle();
    }

private:
    bool solved;
    Board& board;
    StayingNavigator navigator;
    PageGame page;
    Picture photo{&page};
};

}   // namespace

std::unique_ptr<Scene> MakePlayScene(Board& board) { return std::make_unique<PlayScene>(board, false); }
std::unique_ptr<Scene> MakePlaySolvedScene(Board& board) { return std::make_unique<PlayScene>(board, true); }
