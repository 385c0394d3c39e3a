// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The X server connection behind an SDL window, kept apart from the backend because the X11
// headers define names (None, Status, Bool) that clash with ordinary code.

struct SDL_Window;

// The file descriptor of the X connection that the window belongs to; -1 when the window is
// not an X11 window.
int X11ConnectionFd(SDL_Window* window);
