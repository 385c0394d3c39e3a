// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A board with an opaque picture and a cut, as start-up and the gallery leave it.

#include <memory>

#include "geometry/ClassicCut.h"
#include "geometry/TestPicture.h"
#include "play/Board.h"

enum class CutKind { Square, Classic };

inline std::unique_ptr<Board> NewBoard(int width, int height, int count, CutKind kind = CutKind::Classic) {
    auto board = std::make_unique<Board>();
    board->picture.Reset(TestPicture::NewBitmap(width, height));
    if (kind == CutKind::Square)
        board->cut.Reset(std::make_unique<SquarCut>(board.get()));
    else
        board->cut.Reset(std::make_unique<ClassicCut>(board.get()));
    board->cut->longSideCount = count;
    board->NewGame();
    return board;
}

// Joins the groups at the given indices into the first of them, as a drop would.
inline void Join(Board& board, std::initializer_list<size_t> indices) {
    PieceGroup* target = board.groups.at(*indices.begin()).get();
    std::vector<PieceGroup*> joined;
    for (size_t index : indices)
        if (board.groups.at(index).get() != target)
            joined.push_back(board.groups.at(index).get());
    for (PieceGroup* group : joined)
        for (Piece* piece : group->pieces)
            target->AddPiece(piece);
    std::erase_if(board.groups, [&](const std::unique_ptr<PieceGroup>& g) {
        return std::find(joined.begin(), joined.end(), g.get()) != joined.end();
    });
}

// The position in the drawing order of the group that holds the piece.
inline size_t GroupIndex(const Board& board, size_t pieceIndex) {
    const Piece* piece = board.pieces.at(pieceIndex).get();
    for (size_t i = 0; i < board.groups.size(); ++i) {
        const auto& pieces = board.groups[i]->pieces;
        if (std::find(pieces.begin(), pieces.end(), piece) != pieces.end())
            return i;
    }
    return board.groups.size();
}
