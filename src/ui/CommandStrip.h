// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rows of commands dressed as strips of interlocking puzzle pieces: a single command between
// two end pieces, and longer strips whose pieces follow one another.

#include <initializer_list>
#include <string>

#include "ui/Button.h"
#include "ui/Label.h"

// A skinned button between a left and a right end piece that touch it exactly, whatever the
// widths of the theme's images. The owner appends the three to its Children in its own order.
class CommandStrip {
public:
    CommandStrip(StyleId buttonStyle, const std::string& text, ContainerControl* parent);

    // Centres the button `centre` pixels right of the parent's centre line with the end pieces
    // against its sides, all three `bottom` above the parent's lower edge. The widths are read
    // from the theme now, so it must be installed.
    void Place(int centre, int bottom);

    Button button;
    Label leftPiece;
    Label rightPiece;
};

// Places the controls left to right from `left`, each starting where the previous one ends
// (by the width it reports now), all `bottom` above the parent's lower edge.
void PlaceInRow(std::initializer_list<Control*> controls, int left, int bottom);
