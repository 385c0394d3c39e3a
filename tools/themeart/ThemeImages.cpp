// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThemeImages.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "PieceArt.h"
#include "ui/ThemeFile.h"

namespace ThemeArt {

namespace {

// The strip's pieces fill these rows; the outline sits on half pixels so it stays crisp.
constexpr double kTop = 2.5;
constexpr double kBottom = 37.5;
// Pieces that run on into the next image end this far beyond the image's edge.
constexpr double kBeyond = 60.0;

PieceOutline StripPiece(double left, double right) {
    PieceOutline p;
    p.left = left, p.right = right, p.top = kTop, p.bottom = kBottom;
    return p;
}

// A middle: the body of the piece that carries a caption, with a socket in its top and bottom
// edges; it continues into the caps or joints on both sides.
void PaintMiddle(cairo_t* cr, int width) {
    PieceOutline p = StripPiece(-kBeyond, width + kBeyond);
    p.topSocket = p.bottomSocket = true;
    p.socketX = width / 2.0;
    DrawPieces(cr, {p}, kStripPalette);
}

// A joint: the end of one middle's piece and the start of the next one's, meeting in a seam
// whose tab reaches into the right-hand piece (tabToRight) or into the left-hand one.
void PaintJoint(cairo_t* cr, bool tabToRight) {
    const double seam = kJointWidth / 2.0;
    PieceOutline left = StripPiece(-kBeyond, seam);
    left.rightSide = tabToRight ? Side::TabOut : Side::TabIn;
    PieceOutline right = StripPiece(seam, kJointWidth + kBeyond);
    right.leftSide = tabToRight ? Side::TabIn : Side::TabOut;
    DrawPieces(cr, {left, right}, kStripPalette);
}

// A cap: the outer end of a piece, with a tab reaching out (tabbed) or a flat rounded end.
void PaintCap(cairo_t* cr, int width, bool leftEnd, bool tabbed) {
    const double inset = tabbed ? 13.5 : 1.5;
    PieceOutline p = leftEnd ? StripPiece(inset, width + kBeyond) : StripPiece(-kBeyond, width - inset);
    const Side end = tabbed ? Side::TabOut : Side::Rounded;
    (leftEnd ? p.leftSide : p.rightSide) = end;
    DrawPieces(cr, {p}, kStripPalette);
}

// A category button: a piece with a tab on each side; the selected one is bright and ringed.
void PaintCategory(cairo_t* cr, int width, int height, bool checked) {
    PieceOutline p;
    p.left = 9.5, p.right = width - 9.5, p.top = 2.5, p.bottom = height - 3.5;
    p.leftSide = p.rightSide = Side::TabOut;
    p.tabDepth = 8.0;
    if (checked) {
        // A warm glow around the selected piece.
        for (int ring = 3; ring >= 1; --ring) {
            TracePiece(cr, p);
            cairo_set_line_width(cr, ring * 1.6);
            cairo_set_source_rgba(cr, 1.0, 0.84, 0.35, 0.22);
            cairo_stroke(cr);
        }
    }
    DrawPieces(cr, {p}, checked ? kCheckedPalette : kUncheckedPalette);
    if (checked) {
        TracePiece(cr, p);
        cairo_set_line_width(cr, 1.5);
        cairo_set_source_rgba(cr, 1.0, 0.86, 0.45, 1.0);
        cairo_stroke(cr);
    }
}

void PaintPlaque(cairo_t* cr, int width, int height) {
    RoundedRectangle(cr, 1.5, 1.5, width - 3.0, height - 3.0, 7.0);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, height);
    cairo_pattern_add_color_stop_rgb(fill, 0, kPlaquePalette.top.r, kPlaquePalette.top.g, kPlaquePalette.top.b);
    cairo_pattern_add_color_stop_rgb(fill, 1, kPlaquePalette.bottom.r, kPlaquePalette.bottom.g,
                                     kPlaquePalette.bottom.b);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    cairo_set_line_width(cr, 1.0);
    cairo_set_source_rgb(cr, kPlaquePalette.outline.r, kPlaquePalette.outline.g, kPlaquePalette.outline.b);
    cairo_stroke(cr);
}

// A small rounded piece with an arrow pointing left or right.
void PaintPageButton(cairo_t* cr, int width, int height, bool next) {
    PieceOutline p;
    p.left = 1.5, p.right = width - 1.5, p.top = 1.5, p.bottom = height - 2.5;
    p.leftSide = p.rightSide = Side::Rounded;
    p.cornerRadius = 6.0;
    DrawPieces(cr, {p}, kStripPalette);
    const double cx = width / 2.0, cy = (p.top + p.bottom) / 2.0, s = next ? 1.0 : -1.0;
    cairo_new_path(cr);
    cairo_move_to(cr, cx + s * 5.0, cy);
    cairo_line_to(cr, cx - s * 3.5, cy - 6.0);
    cairo_line_to(cr, cx - s * 3.5, cy + 6.0);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.0);
    cairo_set_source_rgba(cr, 0.03, 0.17, 0.23, 0.6);
    cairo_stroke(cr);
}

// The slider's groove, with a tick under each of the 24 values of the piece-count slider.
void PaintTrack(cairo_t* cr, int width, int height) {
    const double groove = 6.0, y = (height - groove) / 2.0 - 2.0;
    RoundedRectangle(cr, 2.5, y, width - 5.0, groove, groove / 2.0);
    cairo_set_source_rgb(cr, 0.16, 0.11, 0.31);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.0);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
    cairo_stroke(cr);
    RoundedRectangle(cr, 3.5, y + 1.0, width - 7.0, 2.0, 1.0);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
    const int values = 24, thumb = 18;
    for (int i = 0; i < values; ++i) {
        const double x = std::floor(thumb / 2.0 + i * double(width - thumb) / (values - 1)) + 0.5;
        const bool major = i == 0 || i == values - 1 || i % 5 == 3;
        cairo_move_to(cr, x, y + groove + 2.0);
        cairo_line_to(cr, x, y + groove + (major ? 6.0 : 4.0));
    }
    cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
    cairo_stroke(cr);
}

// The slider's thumb: a small upright piece with grip lines.
void PaintThumb(cairo_t* cr, int width, int height) {
    PieceOutline p;
    p.left = 1.5, p.right = width - 1.5, p.top = 1.5, p.bottom = height - 2.5;
    p.leftSide = p.rightSide = Side::Rounded;
    p.cornerRadius = 4.0;
    DrawPieces(cr, {p}, kStripPalette);
    for (int i = -1; i <= 1; ++i) {
        const double y = std::floor(height / 2.0) + 4.0 * i - 0.5;
        cairo_move_to(cr, 5.0, y);
        cairo_line_to(cr, width - 5.0, y);
    }
    cairo_set_line_width(cr, 1.0);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.75);
    cairo_stroke(cr);
}

// A magnifying glass; light with a dark rim, so it shows on pictures and on the board alike.
void PaintMagnifier(cairo_t* cr, int size) {
    const double s = size / 32.0;
    cairo_scale(cr, s, s);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, 19.5, 19.5);
    cairo_line_to(cr, 28.5, 28.5);
    cairo_set_line_width(cr, 7.0);
    cairo_set_source_rgb(cr, 0.05, 0.05, 0.12);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 4.0);
    cairo_set_source_rgb(cr, 0.93, 0.78, 0.35);
    cairo_stroke(cr);
    cairo_arc(cr, 13.0, 13.0, 9.5, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0.75, 0.9, 1.0, 0.45);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 5.5);
    cairo_set_source_rgb(cr, 0.05, 0.05, 0.12);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 3.0);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_stroke(cr);
    cairo_arc(cr, 13.0, 13.0, 5.5, 1.1 * M_PI, 1.45 * M_PI);
    cairo_set_line_width(cr, 1.8);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
    cairo_stroke(cr);
}

// A panel backdrop (the panels fill their own background; these complete the theme set).
void PaintPanel(cairo_t* cr, int width, int height) {
    RoundedRectangle(cr, 0.5, 0.5, width - 1.0, height - 1.0, 10.0);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, height);
    cairo_pattern_add_color_stop_rgb(fill, 0, 0.53, 0.40, 0.84);
    cairo_pattern_add_color_stop_rgb(fill, 1, 0.40, 0.29, 0.70);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    cairo_set_line_width(cr, 1.0);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_stroke(cr);
    // A faint row of interlocking pieces along the top as decoration.
    std::vector<PieceOutline> row;
    const double pieceWidth = 50.0;
    for (int i = 0; i * pieceWidth < width - 20; ++i) {
        PieceOutline p;
        p.left = 10 + i * pieceWidth, p.right = p.left + pieceWidth, p.top = 10.5, p.bottom = 40.5;
        p.leftSide = i == 0 ? Side::Rounded : (i % 2 ? Side::TabIn : Side::TabOut);
        p.rightSide = p.right + pieceWidth > width - 10 ? Side::Rounded : (i % 2 ? Side::TabIn : Side::TabOut);
        if (p.rightSide == Side::Rounded)
            p.right = width - 10.5;
        p.tabDepth = 8.0;
        row.push_back(p);
    }
    cairo_push_group(cr);
    DrawPieces(cr, row, kStripPalette);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.25);
}

// A theme image is drawn for the style it dresses; the theme's table names its file. A middle
// dresses every command of its width and is named here by one of them.
ThemeImage Themed(StyleId style, ImageState state, int width, int height, std::function<void(cairo_t*)> paint) {
    return {std::string(ThemeFileName(style, state)), Folder::Theme, width, height, std::move(paint)};
}

}   // namespace

std::vector<ThemeImage> AllImages() {
    using enum ImageState;
    const int h = kStripHeight;
    return {
        Themed(StyleId::JointInOut, Checked, kJointWidth, h, [](cairo_t* cr) { PaintJoint(cr, false); }),
        Themed(StyleId::JointOutIn, Checked, kJointWidth, h, [](cairo_t* cr) { PaintJoint(cr, true); }),
        Themed(StyleId::FlatLeftCap, Checked, kFlatCapWidth, h,
               [](cairo_t* cr) { PaintCap(cr, kFlatCapWidth, true, false); }),
        Themed(StyleId::FlatRightCap, Checked, kFlatCapWidth, h,
               [](cairo_t* cr) { PaintCap(cr, kFlatCapWidth, false, false); }),
        Themed(StyleId::LeftCap, Checked, kCapWidth, h, [](cairo_t* cr) { PaintCap(cr, kCapWidth, true, true); }),
        Themed(StyleId::RightCap, Checked, kCapWidth, h, [](cairo_t* cr) { PaintCap(cr, kCapWidth, false, true); }),
        Themed(StyleId::ShuffleButton, Checked, 80, h, [](cairo_t* cr) { PaintMiddle(cr, 80); }),
        Themed(StyleId::FilterButton, Checked, 100, h, [](cairo_t* cr) { PaintMiddle(cr, 100); }),
        Themed(StyleId::ExitGameButton, Checked, 120, h, [](cairo_t* cr) { PaintMiddle(cr, 120); }),
        Themed(StyleId::CategoryButton, Checked, 116, 32, [](cairo_t* cr) { PaintCategory(cr, 116, 32, true); }),
        Themed(StyleId::CategoryButton, Unchecked, 116, 32, [](cairo_t* cr) { PaintCategory(cr, 116, 32, false); }),
        Themed(StyleId::PageLabel, Checked, 100, 24, [](cairo_t* cr) { PaintPlaque(cr, 100, 24); }),
        Themed(StyleId::PreviousPageButton, Checked, 30, 24, [](cairo_t* cr) { PaintPageButton(cr, 30, 24, false); }),
        Themed(StyleId::NextPageButton, Checked, 30, 24, [](cairo_t* cr) { PaintPageButton(cr, 30, 24, true); }),
        Themed(StyleId::PausePanel, Checked, 300, 200, [](cairo_t* cr) { PaintPanel(cr, 300, 200); }),
        Themed(StyleId::GameCompletePanel, Checked, 400, 200, [](cairo_t* cr) { PaintPanel(cr, 400, 200); }),
        Themed(StyleId::GalleryYesNoPanel, Checked, 400, 200, [](cairo_t* cr) { PaintPanel(cr, 400, 200); }),
        Themed(StyleId::ExitYesNoPanel, Checked, 400, 200, [](cairo_t* cr) { PaintPanel(cr, 400, 200); }),
        {"TrackBar_Track.png", Folder::Ui, 200, 20, [](cairo_t* cr) { PaintTrack(cr, 200, 20); }},
        {"TrackBar_Bar.png", Folder::Ui, 18, 28, [](cairo_t* cr) { PaintThumb(cr, 18, 28); }},
        {"Magnifier.png", Folder::Ui, 32, 32, [](cairo_t* cr) { PaintMagnifier(cr, 32); }},
    };
}

std::vector<std::string> UndrawnThemeFiles() {
    const std::vector<ThemeImage> images = AllImages();
    std::vector<std::string> undrawn;
    for (const ThemeFile& file : kThemeFiles) {
        const auto drawn = [&](const ThemeImage& image) {
            return image.folder == Folder::Theme && image.fileName == file.fileName;
        };
        if (std::none_of(images.begin(), images.end(), drawn) &&
            std::find(undrawn.begin(), undrawn.end(), file.fileName) == undrawn.end())
            undrawn.push_back(file.fileName);
    }
    return undrawn;
}

}   // namespace ThemeArt
