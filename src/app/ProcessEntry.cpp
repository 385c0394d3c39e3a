// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProcessEntry.h"

#include "app/App.h"
#include "platform/MessageLoop.h"

int RunGame() {
    MessageLoop loop;
    AddMessageLoop(&loop);
    int exitCode = 0;
    try {
        if (App::Instance().OnStartup()) {
            exitCode = loop.Run();
            App::Instance().OnShutdown();
        }
    } catch (...) {
        // Containment point: the process entry. A failed start-up or a failure that leaves the
        // message loop ends the game silently with 0; a failing shutdown keeps the loop's code.
    }
    RemoveMessageLoop();
    return exitCode;
}
