// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's process entry once the platform has started: the message loop around start-up
// and shutdown.

// Registers the thread's message loop, runs App::OnStartup, the loop and App::OnShutdown, and
// returns the exit code: the loop's quit code after a normal run, 0 when start-up failed or an
// exception left the loop.
int RunGame();
