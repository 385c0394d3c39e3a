// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Outlines and the shaded look of the theme's jigsaw pieces, drawn with cairo.

#include <cairo.h>

#include <vector>

namespace ThemeArt {

struct Rgb {
    double r, g, b;
};

// A piece's colours: a vertical gradient from top to bottom, and its outline.
struct Palette {
    Rgb top, bottom, outline;
};

extern const Palette kStripPalette;       // the command strips and page buttons
extern const Palette kCheckedPalette;     // a selected category
extern const Palette kUncheckedPalette;   // the other categories
extern const Palette kPlaquePalette;      // the page label

// How a side of a piece runs. Open sides lie outside the image being drawn: the piece goes on
// into the neighbouring image there, so every column near the image's edge depends on y only.
enum class Side { Open, Straight, Rounded, TabOut, TabIn };

// A piece's body rectangle and its sides, in the pixels of the image being drawn.
struct PieceOutline {
    double left = 0, top = 0, right = 0, bottom = 0;
    Side leftSide = Side::Open, rightSide = Side::Open;
    bool topSocket = false, bottomSocket = false;   // centred on socketX
    double socketX = 0;
    double tabDepth = 12.0;      // how far a side's tab reaches out (or its socket in)
    double socketDepth = 8.0;    // the top and bottom sockets
    double socketSpan = 26.0;    // the length of edge the top and bottom sockets take
    double cornerRadius = 5.0;   // for rounded sides
};

// Appends an edge from the current point to (x1, y1) shaped as a knob that reaches `depth`
// pixels to the left of the direction of travel (outwards for a clockwise outline on a
// y-down surface); a negative depth makes a socket. The shape is symmetric, so the same knob
// traced backwards with the opposite depth gives exactly the same curve.
void AddKnob(cairo_t* cr, double x1, double y1, double depth);

// The piece's closed outline, clockwise from its top-left corner, as the current path.
void TracePiece(cairo_t* cr, const PieceOutline& piece);

// Draws the pieces in order: soft shadows under all of them, then each one filled with the
// palette's gradient, lit from the top left, and outlined. Neighbouring pieces that share a
// side trace the same curve, so they meet without gap or overlap.
void DrawPieces(cairo_t* cr, const std::vector<PieceOutline>& pieces, const Palette& palette);

// A rounded rectangle as the current path.
void RoundedRectangle(cairo_t* cr, double x, double y, double w, double h, double radius);

}   // namespace ThemeArt
