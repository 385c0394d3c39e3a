// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared pieces of the platform tests: a headless platform per test and a window that records
// what it receives.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/WindowImpl.h"

class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(InitPlatform("Tessiva_Test")); }
    void TearDown() override { ShutdownPlatform(); }

    // Dispatches everything that is due now, without moving the clock.
    static void Pump() {
        MSG msg;
        while (PeekMessage(msg, PM_REMOVE) && msg.message != WM_QUIT)
            DispatchMessage(msg);
    }
};

// Records every message; an optional reaction decides the result.
class RecordingWindow : public WindowImpl {
public:
    struct Received {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        received.push_back({message, wParam, lParam});
        if (react)
            if (const std::optional<LRESULT> result = react(message, wParam, lParam))
                return *result;
        return WindowImpl::WindowProc(message, wParam, lParam);
    }

    std::vector<Received> Of(UINT message) const {
        std::vector<Received> found;
        for (const Received& r : received)
            if (r.message == message)
                found.push_back(r);
        return found;
    }

    std::vector<Received> received;
    std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)> react;
};

inline RECT Rect(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }
