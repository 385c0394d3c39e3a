// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the X server shows a top-level window of a class, whoever made it.

#include <string>

// True when the X server named by the display the program was started on has a top-level
// window whose WM_CLASS (its instance or its class part) is the class name: a window straight
// below a root window, or the client window a window manager has put into its frame. False
// when there is no X server to ask.
bool X11TopLevelWindowOfClassExists(const std::string& className);
