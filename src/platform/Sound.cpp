// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Sound.h"

#include "platform/core/WindowSystem.h"

bool PlaySound(const char* name, DWORD) {
    WindowSystem* system = WindowSystem::Current();
    return system && name && system->NativeBackend().PlaySound(name);
}
