// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Placement shared by the modal panels' buttons.

namespace PanelLayout {

// Every button and end piece stands this far above the panel's lower edge.
inline constexpr int kButtonBottom = 10;
// A pair of buttons stands this far either side of the panel's centre line.
inline constexpr int kPairSpacing = 40;

}   // namespace PanelLayout
