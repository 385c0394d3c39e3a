// SPDX-License-Identifier: GPL-3.0-or-later
#include "play/Scatter.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "gfx/Rectangles.h"
#include "play/Board.h"

namespace {

constexpr int32_t kCountedTries = 30;
constexpr int32_t kPreviewRejections = 1000;   // free redraws while fewer have happened
constexpr int32_t kTargetOverlapTolerated = 50;
constexpr int32_t kTargetRejections = 40;
constexpr int32_t kGoodEnoughScore = 10;

// trunc(r / 32768 * range): at least 0 and below the range when the range is positive.
int32_t Candidate(int32_t r, float range) {
    return static_cast<int32_t>(static_cast<double>(r) / Random::kRange * range + 0.0);
}

}   // namespace

Gdiplus::Rect TargetRect(const Gdiplus::Rect& board, int32_t pictureWidth, int32_t pictureHeight) {
    const int32_t area =
        static_cast<int32_t>(static_cast<double>(board.Width) * board.Height * static_cast<double>(0.3f));
    Gdiplus::Rect size = AreaRect(area, pictureWidth, pictureHeight);
    if (pictureWidth < size.Width || pictureHeight < size.Height)
        size = Gdiplus::Rect(0, 0, pictureWidth, pictureHeight);
    return Gdiplus::Rect(board.X + (board.Width - size.Width) / 2, board.Y + (board.Height - size.Height) / 2,
                         size.Width, size.Height);
}

void Scatter(Board& board, const Gdiplus::Rect& boardRect, const Gdiplus::Rect& preview,
             const std::function<int32_t()>& nextRandom) {
    const Gdiplus::Rect target = TargetRect(boardRect, static_cast<int32_t>(board.picture->GetWidth()),
                                            static_cast<int32_t>(board.picture->GetHeight()));

    // Joined groups go first, while the board is still empty; the drawing order stays as it is.
    std::vector<PieceGroup*> order;
    order.reserve(board.groups.size());
    for (const std::unique_ptr<PieceGroup>& group : board.groups)
        order.push_back(group.get());
    std::stable_sort(order.begin(), order.end(),
                     [](const PieceGroup* a, const PieceGroup* b) { return a->pieces.size() > b->pieces.size(); });

    std::vector<const PieceGroup*> placed;
    placed.reserve(order.size());
    for (PieceGroup* group : order) {
        int32_t counted = 0, previewRejections = 0, targetRejections = 0;
        int32_t best = std::numeric_limits<int32_t>::max(), bestX = 0, bestY = 0;
        const float rangeX = static_cast<float>(boardRect.Width - group->box.Width);
        const float rangeY = static_cast<float>(boardRect.Height - group->box.Height);
        for (;;) {
            const int32_t x = Candidate(nextRandom(), rangeX);
            const int32_t y = Candidate(nextRandom(), rangeY);
            group->offsetX = x - group->box.X;
            group->offsetY = y - group->box.Y;
            if (GroupRectOverlap(*group, preview) > 0 && ++previewRejections < kPreviewRejections)
                continue;
            const int32_t targetOverlap = GroupRectOverlap(*group, target);
            if (targetOverlap > kTargetOverlapTolerated && ++targetRejections < kTargetRejections)
                continue;

            // Only a score below the best matters, so the sum stops once it cannot be.
            int64_t score = targetOverlap;
            for (const PieceGroup* other : placed) {
                if (score >= best)
                    break;
                score += GroupGroupOverlap(*group, *other);
            }
            if (score < best) {
                best = static_cast<int32_t>(score);
                bestX = x;
                bestY = y;
                if (score < kGoodEnoughScore)
                    break;
            }
            if (++counted >= kCountedTries)
                break;
        }
        group->offsetX = boardRect.X + bestX - group->box.X;
        group->offsetY = boardRect.Y + bestY - group->box.Y;
        placed.push_back(group);
    }
}
