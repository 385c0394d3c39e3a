// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shows the system wait cursor for the life of the object and restores the previous one.

#include "platform/Input.h"

class WaitCursor {
public:
    WaitCursor() : previous(SetCursor(LoadCursor(SystemCursor::Wait))) {}
    ~WaitCursor() { SetCursor(previous); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR previous;
};
