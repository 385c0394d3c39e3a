// SPDX-License-Identifier: GPL-3.0-or-later
// The game's process entry: no command line, environment or configuration is read.

#include "app/ProcessEntry.h"
#include "library/GameWindowClass.h"
#include "platform/Platform.h"

int main() {
    PlatformSession platform(kGameWindowClass);
    if (!platform.Started())
        return 0;   // no display: start-up failed
    return RunGame();
}
