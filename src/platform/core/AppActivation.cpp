// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/AppActivation.h"

#include <algorithm>

bool AppActivation::FocusGained() {
    deactivateAt.reset();
    return !std::exchange(active, true);
}

void AppActivation::FocusLost() { deactivateAt = now() + kGraceMs; }

int AppActivation::WaitLimit(int timeoutMs) const {
    if (!deactivateAt)
        return timeoutMs;
    const int left = std::max(static_cast<int32_t>(*deactivateAt - now()), 0);
    return timeoutMs < 0 ? left : std::min(timeoutMs, left);
}

bool AppActivation::TakeDeactivation() {
    if (!deactivateAt || static_cast<int32_t>(now() - *deactivateAt) < 0)
        return false;
    deactivateAt.reset();
    return std::exchange(active, false);
}
