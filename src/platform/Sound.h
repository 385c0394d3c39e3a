// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asynchronous playing of an embedded WAVE resource.

#include "platform/WinTypes.h"

// Plays the embedded WAVE resource `name` (flags SND_RESOURCE | SND_ASYNC | SND_NODEFAULT) and
// returns at once. Without an audio device, or for an unknown name, nothing plays and the
// result is false; nothing is printed.
bool PlaySound(const char* name, DWORD flags);
