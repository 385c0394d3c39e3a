// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/PieceGroup.h"

#include <algorithm>
#include <limits>

#include "geometry/Piece.h"
#include "geometry/PieceOutline.h"
#include "gfx/Rectangles.h"

namespace {

Gdiplus::Rect Moved(const Gdiplus::Rect& rect, int32_t dx, int32_t dy) {
    return Gdiplus::Rect(rect.X + dx, rect.Y + dy, rect.Width, rect.Height);
}

// The area of the intersection, counted only when it is not empty.
int64_t IntersectionArea(const Gdiplus::Rect& a, const Gdiplus::Rect& b) {
    const int32_t left = std::max(a.X, b.X);
    const int32_t top = std::max(a.Y, b.Y);
    const int32_t width = std::min(a.GetRight(), b.GetRight()) - left;
    const int32_t height = std::min(a.GetBottom(), b.GetBottom()) - top;
    return width > 0 && height > 0 ? int64_t{width} * height : 0;
}

// Areas are sums over many piece pairs; saturate rather than wrap on absurdly large boards.
int32_t Saturated(int64_t area) {
    return static_cast<int32_t>(std::min<int64_t>(area, std::numeric_limits<int32_t>::max()));
}

}   // namespace

PieceGroup::PieceGroup(Piece* piece)
    : pieces{piece}, vertices(piece->vertices.begin(), piece->vertices.end()), box(piece->bounds) {
    for (const GridVertex& vertex : vertices)
        edge = edge || vertex.border;
}

void PieceGroup::AddPiece(Piece* piece) {
    pieces.push_back(piece);
    for (const GridVertex& vertex : piece->vertices) {
        const bool present =
            std::any_of(vertices.begin(), vertices.end(), [&](const GridVertex& v) { return v.id == vertex.id; });
        if (!present) {
            vertices.push_back(vertex);
            edge = edge || vertex.border;
        }
    }
    UnionRect(box, box, piece->bounds);
}

bool PieceGroup::SharesVertexWith(const PieceGroup& other) const {
    for (const GridVertex& mine : vertices)
        for (const GridVertex& theirs : other.vertices)
            if (mine.id == theirs.id)
                return true;
    return false;
}

Gdiplus::Rect PieceGroup::BoardBox() const { return Moved(box, offsetX, offsetY); }

void PieceGroup::Draw(Gdiplus::Graphics& graphics, const Gdiplus::Rect& clip) const {
    for (const Piece* piece : pieces)
        if (IntersectionArea(Moved(piece->bounds, offsetX, offsetY), clip) > 0)
            piece->Draw(graphics, offsetX, offsetY);
}

bool GroupHitTest(const PieceGroup& group, int32_t x, int32_t y) {
    if (!group.BoardBox().Contains(x, y))
        return false;
    const int32_t pictureX = x - group.offsetX;
    const int32_t pictureY = y - group.offsetY;
    for (const Piece* piece : group.pieces)
        if (PieceHitTest(piece->bounds, piece->outline, pictureX, pictureY))
            return true;
    return false;
}

int32_t GroupRectOverlap(const PieceGroup& group, const Gdiplus::Rect& rect) {
    const Gdiplus::Rect box = group.BoardBox();
    if (rect.X >= box.GetRight() || rect.Y >= box.GetBottom() || box.X >= rect.GetRight() || box.Y >= rect.GetBottom())
        return 0;
    int64_t area = 0;
    for (const Piece* piece : group.pieces)
        area += IntersectionArea(rect, Moved(piece->bounds, group.offsetX, group.offsetY));
    return Saturated(area);
}

int32_t GroupGroupOverlap(const PieceGroup& group, const PieceGroup& other) {
    if (IntersectionArea(group.BoardBox(), other.BoardBox()) == 0)
        return 0;
    int64_t area = 0;
    for (const Piece* p : group.pieces) {
        const Gdiplus::Rect a = Moved(p->bounds, group.offsetX, group.offsetY);
        for (const Piece* q : other.pieces)
            area += IntersectionArea(a, Moved(q->bounds, other.offsetX, other.offsetY));
    }
    return Saturated(area);
}
