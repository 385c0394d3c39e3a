// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the application is active, from the focus events of its native windows.

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

// Focus that moves between two of our windows (a panel opening or closing) passes through a
// moment where none of them has it, so a loss of focus deactivates the application only when
// no window of ours takes the focus back within the grace period.
class AppActivation {
public:
    // Milliseconds of the backend's clock; it may wrap around.
    using Clock = std::function<uint32_t()>;

    static constexpr uint32_t kGraceMs = 100;

    explicit AppActivation(Clock now) : now(std::move(now)) {}

    // One of our windows took the focus; true when that activates the application.
    bool FocusGained();
    // One of our windows lost the focus: the grace period starts again.
    void FocusLost();
    // How long a wait for native events may last (-1: no limit) so that the grace period is
    // decided on time.
    int WaitLimit(int timeoutMs) const;
    // True once, when the grace period has run out on an active application: it is inactive.
    bool TakeDeactivation();

private:
    Clock now;
    bool active = false;
    std::optional<uint32_t> deactivateAt;
};
