// SPDX-License-Identifier: GPL-3.0-or-later
#include "PieceArt.h"

#include <cmath>

namespace ThemeArt {

const Palette kStripPalette{{0.20, 0.60, 0.69}, {0.08, 0.34, 0.43}, {0.03, 0.17, 0.23}};
const Palette kCheckedPalette{{0.22, 0.66, 0.74}, {0.07, 0.38, 0.47}, {1.00, 0.86, 0.45}};
const Palette kUncheckedPalette{{0.33, 0.27, 0.53}, {0.22, 0.17, 0.38}, {0.62, 0.55, 0.85}};
const Palette kPlaquePalette{{0.27, 0.20, 0.47}, {0.18, 0.13, 0.34}, {0.70, 0.63, 0.95}};

namespace {

// The knob, in thousandths of the edge's length (u along it) and of the knob's depth (v
// across it, 1000 = the head's far side; negative values bow the shoulders the other way):
// a start point and six cubic segments, symmetric about u = 500. The neck (u 410..590) is
// about half as wide as the round head (u 310..690).
constexpr double kKnob[19][2] = {{0, 0},      {150, -80},  {340, -70},  {410, 60},   // shoulder into the neck
                                 {440, 160},  {330, 300},  {310, 560},    // neck out to the head's widest point
                                 {295, 780},  {380, 1000}, {500, 1000},   // over the head
                                 {620, 1000}, {705, 780},  {690, 560},  {670, 300}, {560, 160},
                                 {590, 60},   {660, -70},  {850, -80},  {1000, 0}};
constexpr int kKnobPoints = 19;

void SetRgb(cairo_t* cr, const Rgb& c, double alpha = 1.0) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

}   // namespace

void AddKnob(cairo_t* cr, double x1, double y1, double depth) {
    double x0, y0;
    cairo_get_current_point(cr, &x0, &y0);
    const double dx = x1 - x0, dy = y1 - y0;
    const double length = std::hypot(dx, dy);
    // The outward normal of a clockwise outline on a y-down surface.
    const double nx = dy / length, ny = -dx / length;
    auto at = [&](int i, double& x, double& y) {
        const double u = kKnob[i][0] / 1000.0, v = kKnob[i][1] / 1000.0 * depth;
        x = x0 + u * dx + v * nx;
        y = y0 + u * dy + v * ny;
    };
    for (int i = 1; i < kKnobPoints; i += 3) {
        double ax, ay, bx, by, cx, cy;
        at(i, ax, ay);
        at(i + 1, bx, by);
        at(i + 2, cx, cy);
        if (i + 2 == kKnobPoints - 1)
            cx = x1, cy = y1;
        cairo_curve_to(cr, ax, ay, bx, by, cx, cy);
    }
}

void TracePiece(cairo_t* cr, const PieceOutline& p) {
    const double r = p.cornerRadius;
    const double leftInset = p.leftSide == Side::Rounded ? r : 0.0;
    const double rightInset = p.rightSide == Side::Rounded ? r : 0.0;
    const double halfSpan = p.socketSpan / 2.0;
    auto sideDepth = [&](Side side) { return side == Side::TabOut ? p.tabDepth : -p.tabDepth; };

    cairo_new_path(cr);
    cairo_move_to(cr, p.left + leftInset, p.top);
    if (p.topSocket) {
        cairo_line_to(cr, p.socketX - halfSpan, p.top);
        AddKnob(cr, p.socketX + halfSpan, p.top, -p.socketDepth);
    }
    cairo_line_to(cr, p.right - rightInset, p.top);

    if (p.rightSide == Side::Rounded) {
        cairo_arc(cr, p.right - r, p.top + r, r, -M_PI / 2, 0.0);
        cairo_arc(cr, p.right - r, p.bottom - r, r, 0.0, M_PI / 2);
    } else if (p.rightSide == Side::TabOut || p.rightSide == Side::TabIn) {
        AddKnob(cr, p.right, p.bottom, sideDepth(p.rightSide));
    } else {
        cairo_line_to(cr, p.right, p.bottom);
    }

    if (p.bottomSocket) {
        cairo_line_to(cr, p.socketX + halfSpan, p.bottom);
        AddKnob(cr, p.socketX - halfSpan, p.bottom, -p.socketDepth);
    }
    cairo_line_to(cr, p.left + leftInset, p.bottom);

    if (p.leftSide == Side::Rounded) {
        cairo_arc(cr, p.left + r, p.bottom - r, r, M_PI / 2, M_PI);
        cairo_arc(cr, p.left + r, p.top + r, r, M_PI, 1.5 * M_PI);
    } else if (p.leftSide == Side::TabOut || p.leftSide == Side::TabIn) {
        AddKnob(cr, p.left, p.top, sideDepth(p.leftSide));
    }
    cairo_close_path(cr);
}

void DrawPieces(cairo_t* cr, const std::vector<PieceOutline>& pieces, const Palette& palette) {
    for (const PieceOutline& piece : pieces) {
        cairo_save(cr);
        cairo_translate(cr, 0.0, 1.3);
        TracePiece(cr, piece);
        cairo_set_source_rgba(cr, 0.05, 0.0, 0.15, 0.35);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    for (const PieceOutline& piece : pieces) {
        // The gradient depends on y only, so a piece continues seamlessly across images.
        cairo_pattern_t* fill = cairo_pattern_create_linear(0.0, piece.top, 0.0, piece.bottom);
        cairo_pattern_add_color_stop_rgb(fill, 0.0, palette.top.r, palette.top.g, palette.top.b);
        cairo_pattern_add_color_stop_rgb(fill, 1.0, palette.bottom.r, palette.bottom.g, palette.bottom.b);
        TracePiece(cr, piece);
        cairo_set_source(cr, fill);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(fill);

        cairo_save(cr);
        cairo_clip(cr);
        // A gloss over the upper half.
        cairo_pattern_t* gloss = cairo_pattern_create_linear(0.0, piece.top, 0.0, (piece.top + piece.bottom) / 2.0);
        cairo_pattern_add_color_stop_rgba(gloss, 0.0, 1, 1, 1, 0.22);
        cairo_pattern_add_color_stop_rgba(gloss, 1.0, 1, 1, 1, 0.0);
        cairo_set_source(cr, gloss);
        cairo_paint(cr);
        cairo_pattern_destroy(gloss);
        // Lit from the top left: a light rim inside the upper and left sides, a dark one
        // inside the lower and right sides.
        cairo_set_line_width(cr, 2.0);
        cairo_save(cr);
        cairo_translate(cr, 1.0, 1.0);
        TracePiece(cr, piece);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.38);
        cairo_stroke(cr);
        cairo_restore(cr);
        cairo_save(cr);
        cairo_translate(cr, -1.0, -1.0);
        TracePiece(cr, piece);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.30);
        cairo_stroke(cr);
        cairo_restore(cr);
        cairo_restore(cr);

        TracePiece(cr, piece);
        cairo_set_line_width(cr, 1.0);
        SetRgb(cr, palette.outline, 0.95);
        cairo_stroke(cr);
    }
}

void RoundedRectangle(cairo_t* cr, double x, double y, double w, double h, double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, M_PI / 2);
    cairo_arc(cr, x + radius, y + h - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr, x + radius, y + radius, radius, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

}   // namespace ThemeArt
