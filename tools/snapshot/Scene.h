// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One picture the snapshot tool can take: it builds and opens the window to be captured.

#include "platform/WinTypes.h"

class Scene {
public:
    virtual ~Scene() = default;
    // Creates the window, its controls laid out; the scene owns everything it made. Null when
    // the window cannot be created.
    virtual HWND Open() = 0;
};
