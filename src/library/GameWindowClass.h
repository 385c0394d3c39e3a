// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class name of the game's main window: the game registers it, and the pack remover looks
// for a window of it to learn whether the game is running.

inline constexpr const char* kGameWindowClass = "Tessiva_MainForm";
