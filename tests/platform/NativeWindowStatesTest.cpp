// SPDX-License-Identifier: GPL-3.0-or-later
// The minimised and maximised state reported for a native window: a window maximised by the
// backend itself (no window manager) stays maximised until a restore or the program moves it,
// and a window back from the taskbar gets the state it had.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/core/NativeWindowStates.h"

namespace {

using State = NativeWindowStates::State;
using Sizing = NativeWindowStates::Sizing;

constexpr State kNormal{false, false};
constexpr State kMaximized{false, true};
constexpr State kMinimized{true, false};
constexpr State kMinimizedFromMaximized{true, true};

const HWND kWindow = reinterpret_cast<HWND>(0x1000);
const HWND kOther = reinterpret_cast<HWND>(0x1004);

enum class Do {
    MaximizeByHand,
    MaximizeByManager,
    Move,
    Forget,   // the program
    Restored,
    Resized,
    Maximized,
    Minimized,   // native events
};

// What the step reports; nothing for the program's own moves and for a swallowed resize.
std::optional<State> Apply(NativeWindowStates& states, HWND window, Do action, bool nativeMaximized) {
    switch (action) {
    case Do::MaximizeByHand:
        return states.Maximize(window, Sizing::ByHand);
    case Do::MaximizeByManager:
        return states.Maximize(window, Sizing::ByWindowManager);
    case Do::Move:
        states.Move(window);
        return std::nullopt;
    case Do::Forget:
        states.Forget(window);
        return std::nullopt;
    case Do::Restored:
        return states.Restored(window, nativeMaximized);
    case Do::Resized:
        return states.Resized(window, nativeMaximized);
    case Do::Maximized:
        return states.Maximized(window, nativeMaximized);
    case Do::Minimized:
        return states.Minimized(window);
    }
    return std::nullopt;
}

std::string Describe(const std::optional<State>& state) {
    if (!state)
        return "nothing";
    return std::string(state->minimized ? "minimised" : "shown") + (state->maximized ? ", maximised" : "");
}

TEST(NativeWindowStates, ReportsTheStateEachEventLeaves) {
    struct Step {
        Do action;
        bool nativeMaximized;
        std::optional<State> expected;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"maximised by hand: its own resize keeps it, a restore ends it",
         {{Do::MaximizeByHand, false, kMaximized},
          {Do::Resized, false, kMaximized},
          {Do::Restored, false, kNormal},
          {Do::Resized, false, kNormal}}},
        {"back from the taskbar a maximised window is maximised again",
         {{Do::MaximizeByHand, false, kMaximized},
          {Do::Minimized, false, kMinimizedFromMaximized},
          {Do::Resized, false, std::nullopt},
          {Do::Restored, false, kMaximized},
          {Do::Resized, false, kMaximized}}},
        {"back from the taskbar a window the window manager maximised",
         {{Do::Maximized, true, kMaximized},
          {Do::Minimized, false, kMinimizedFromMaximized},
          {Do::Restored, false, kMaximized}}},
        {"a plain window minimised and restored",
         {{Do::Minimized, false, kMinimized}, {Do::Resized, false, std::nullopt}, {Do::Restored, false, kNormal}}},
        {"the window manager maximises and restores",
         {{Do::Maximized, true, kMaximized}, {Do::Resized, true, kMaximized}, {Do::Restored, false, kNormal}}},
        {"maximised by the window manager, it follows the native flag",
         {{Do::MaximizeByManager, true, kMaximized}, {Do::Resized, false, kNormal}}},
        {"the program moving a window ends its maximised state",
         {{Do::MaximizeByHand, false, kMaximized}, {Do::Move, false, std::nullopt}, {Do::Resized, false, kNormal}}},
        {"a window the program moved comes back from the taskbar not maximised",
         {{Do::Maximized, true, kMaximized},
          {Do::Move, false, std::nullopt},
          {Do::Minimized, false, kMinimized},
          {Do::Restored, false, kNormal}}},
        {"a minimised window maximised by the window manager shows",
         {{Do::Minimized, false, kMinimized}, {Do::Maximized, true, kMaximized}}},
        {"a forgotten window starts afresh",
         {{Do::MaximizeByHand, false, kMaximized},
          {Do::Minimized, false, kMinimizedFromMaximized},
          {Do::Forget, false, std::nullopt},
          {Do::Resized, false, kNormal}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NativeWindowStates states;
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const Step& s = c.steps[i];
            EXPECT_EQ(Describe(Apply(states, kWindow, s.action, s.nativeMaximized)), Describe(s.expected))
                << "step " << i;
        }
    }
}

TEST(NativeWindowStates, EachWindowKeepsItsOwnState) {
    NativeWindowStates states;
    states.Maximize(kWindow, Sizing::ByHand);
    states.Minimized(kOther);
    EXPECT_EQ(states.Resized(kWindow, false), kMaximized);
    EXPECT_EQ(states.Resized(kOther, false), std::nullopt);
    EXPECT_EQ(states.Restored(kOther, false), kNormal);
    EXPECT_EQ(states.Resized(kWindow, false), kMaximized);
}

}   // namespace
