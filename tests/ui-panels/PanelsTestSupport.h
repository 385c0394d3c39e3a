// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared pieces of the list view and panel tests: the headless platform, a temporary theme of
// solid-colour images, and a page window whose tree records what reaches it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Graphics.h"
#include "platform/Headless.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/WindowApi.h"
#include "ui/ControlHostWindow.h"
#include "ui/SharedDrawing.h"
#include "support/TempFolder.h"
#include "ui/SolidPng.h"   // tests/ui
#include "ui/Theme.h"

namespace PanelsTest {

// Colours of the test theme's images, told apart in window pixels.
inline constexpr uint32_t kLeftPiece = 0xFFC00000, kRightPiece = 0xFF00A000, kMiddle100 = 0xFF0000C0,
                          kMiddle120 = 0xFFC0C000, kPageLabel = 0xFF008080, kPrevious = 0xFF800080, kNext = 0xFF804000;

using UiTest::WriteSolidPng;
using UiTest::WriteThemeImage;

// Whether the colour is (nearly) white: a caption or a frame.
inline bool IsWhitish(uint32_t argb) {
    return ((argb >> 16) & 0xFF) > 200 && ((argb >> 8) & 0xFF) > 200 && (argb & 0xFF) > 200;
}

// A window whose whole client area is a tree; it records the notifications and mouse presses
// reaching its root and runs scripted steps from its message queue, so that a test can act
// while a modal loop runs.
class PageWindow : public ControlHostWindow {
public:
    static constexpr UINT kRunStep = WM_APP + 1;

    PageWindow() : ControlHostWindow(StyleId::GalleryPage) {}
    ~PageWindow() override { DestroyWindow(); }

    void Open(int left, int top, int width, int height) {
        Create(nullptr, RECT{left, top, left + width, top + height}, "page", WS_POPUP);
        ShowWindow(Handle(), SW_SHOW);
    }

    void PaintBackground(Gdiplus::Graphics& g, int x, int y, int w, int h) override {
        g.FillRectangle(&SharedSolidBrush(BackgroundColor(StyleId)), x, y, w, h);
    }
    void OnNotify(NotifyCode code, Control* sender, Control* argument) override {
        notifications.push_back({code, sender, argument});
    }
    bool OnMouseDown(int x, int y) override {
        ++presses;
        return ControlHostWindow::OnMouseDown(x, y);
    }

    // Each step runs from the queue behind everything queued before it (such as injected
    // input); the steps are started by Start.
    void Script(std::vector<std::function<void()>> steps) {
        script = std::move(steps);
        next = 0;
    }
    void Start() { PostMessage(Handle(), kRunStep, 0, 0); }

    bool HandleOwnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
        if (message != kRunStep)
            return false;
        if (next < script.size()) {
            script[next++]();
            if (next < script.size())
                Start();
        }
        result = 0;
        return true;
    }

    struct Notification {
        NotifyCode code;
        Control* sender;
        Control* argument;
    };
    std::vector<Notification> notifications;
    int presses = 0;

private:
    std::vector<std::function<void()>> script;
    size_t next = 0;
};

// The headless platform and a theme of solid images for every control the list view and the
// panels use. Both are ready before the derived fixture's members are built, since controls
// place themselves from the theme's image sizes when constructed.
class ThemedTest : public ::testing::Test {
protected:
    ThemedTest() {
        EXPECT_TRUE(session.Started());
        const std::string& f = folder.path;
        using enum ImageState;
        WriteThemeImage(f, StyleId::LeftCap, Checked, 20, 40, kLeftPiece);
        WriteThemeImage(f, StyleId::RightCap, Checked, 20, 40, kRightPiece);
        WriteThemeImage(f, StyleId::YesButton, Checked, 100, 40, kMiddle100);
        WriteThemeImage(f, StyleId::BackToGalleryButton, Checked, 120, 40, kMiddle120);
        WriteThemeImage(f, StyleId::PageLabel, Checked, 100, 20, kPageLabel);
        WriteThemeImage(f, StyleId::PreviousPageButton, Checked, 30, 20, kPrevious);
        WriteThemeImage(f, StyleId::NextPageButton, Checked, 30, 20, kNext);
        Theme::Install(f);
    }
    ~ThemedTest() override { Theme::Current().Reset(); }

    // Dispatches everything that is due now.
    static void Pump() {
        MSG msg;
        while (PeekMessage(msg, PM_REMOVE) && msg.message != WM_QUIT)
            DispatchMessage(msg);
    }

    PlatformSession session{"PanelsTest"};
    TempFolder folder;
};

}   // namespace PanelsTest
