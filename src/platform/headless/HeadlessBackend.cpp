// SPDX-License-Identifier: GPL-3.0-or-later
// The headless backend: the window system without a display, for tests.

#include <algorithm>
#include <map>
#include <memory>
#include <stdexcept>

#include "platform/Headless.h"
#include "platform/Platform.h"
#include "platform/WindowApi.h"
#include "platform/core/WindowSystem.h"

namespace {

struct Surface {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;   // 0xFFRRGGBB, as shown on screen

    void Resize(int newWidth, int newHeight) {
        if (newWidth == width && newHeight == height)
            return;
        std::vector<uint32_t> resized(static_cast<size_t>(newWidth) * newHeight, 0);
        for (int y = 0; y < std::min(height, newHeight); ++y)
            std::copy_n(&pixels[static_cast<size_t>(y) * width], std::min(width, newWidth),
                        &resized[static_cast<size_t>(y) * newWidth]);
        pixels.swap(resized);
        width = newWidth;
        height = newHeight;
    }
};

struct NativeWindow {
    RECT normalRect;   // the rectangle when neither minimised nor maximised
    bool minimized = false;
    bool maximized = false;
    Surface surface;
};

class HeadlessBackend : public Backend {
public:
    void Attach(NativeEventSink& windowSystem) override { sink = &windowSystem; }

    uint32_t Now() override { return clock; }

    void PumpEvents(int timeoutMs) override {
        if (timeoutMs < 0)
            throw std::logic_error("headless message queue: nothing can ever arrive");
        // Waiting is the clock moving on: the next due timer is reached at once.
        clock += static_cast<uint32_t>(timeoutMs);
    }

    RECT WorkArea() override { return {0, 0, Headless::kScreenWidth, Headless::kScreenHeight}; }

    bool CreateNative(HWND window, const std::string&, const RECT& screenRect, DWORD, const std::string&,
                      HWND) override {
        NativeWindow& native = natives[window];
        native.normalRect = screenRect;
        native.surface.Resize(screenRect.right - screenRect.left, screenRect.bottom - screenRect.top);
        order.push_back(window);
        return true;
    }

    void DestroyNative(HWND window) override {
        natives.erase(window);
        order.erase(std::remove(order.begin(), order.end(), window), order.end());
    }

    void SetNativeText(HWND, const std::string&) override {}

    void MoveNative(HWND window, const RECT& screenRect) override {
        NativeWindow& native = natives[window];
        native.normalRect = screenRect;
        native.maximized = false;
        native.surface.Resize(screenRect.right - screenRect.left, screenRect.bottom - screenRect.top);
    }

    void ShowNative(HWND window, NativeShow how) override {
        NativeWindow& native = natives[window];
        switch (how) {
        case NativeShow::Hide:
            return;
        case NativeShow::Show:
            if (!native.minimized)
                return;
            native.minimized = false;
            break;
        case NativeShow::Minimize:
            native.minimized = true;
            break;
        case NativeShow::Maximize:
            native.minimized = false;
            native.maximized = true;
            break;
        case NativeShow::Restore:
            // Restoring a minimised window brings back its previous state.
            if (native.minimized)
                native.minimized = false;
            else
                native.maximized = false;
            break;
        }
        const RECT rect = native.maximized ? WorkArea() : native.normalRect;
        if (!native.minimized)
            native.surface.Resize(rect.right - rect.left, rect.bottom - rect.top);
        sink->OnNativeState(window, rect, native.minimized, native.maximized);
    }

    void Present(HWND window, const std::vector<RECT>& rects, const PixelBuffer* source, POINT offset,
                 uint32_t fill) override {
        Surface& surface = natives[window].surface;
        for (const RECT& r : rects)
            for (int y = std::max(r.top, 0); y < std::min(r.bottom, surface.height); ++y)
                for (int x = std::max(r.left, 0); x < std::min(r.right, surface.width); ++x) {
                    uint32_t argb = fill;
                    if (source) {
                        const auto* row = static_cast<const uint8_t*>(source->pixels) +
                                          static_cast<ptrdiff_t>(y - offset.y) * source->stride;
                        argb = reinterpret_cast<const uint32_t*>(row)[x - offset.x];
                    }
                    surface.pixels[static_cast<size_t>(y) * surface.width + x] = argb | 0xFF000000;
                }
    }

    bool CursorPos(POINT& screen) override {
        screen = cursor;
        return true;
    }

    void CaptureMouse(bool) override {}
    void ShowCursorShape(SystemCursor shape) override { cursorShape = shape; }

    bool PlaySound(const char* name) override {
        sounds.emplace_back(name);
        return true;
    }

    // The top-level window under a screen point: the last shown lies on top.
    HWND TopLevelAt(POINT screen) const {
        for (auto it = order.rbegin(); it != order.rend(); ++it) {
            RECT rect;
            if (IsWindowVisible(*it) && !IsIconic(*it) && GetWindowRect(*it, rect) && screen.x >= rect.left &&
                screen.x < rect.right && screen.y >= rect.top && screen.y < rect.bottom)
                return *it;
        }
        return nullptr;
    }

    NativeEventSink* sink = nullptr;   // the window system that took the backend
    uint32_t clock = 0;
    POINT cursor;
    SystemCursor cursorShape = SystemCursor::Arrow;
    std::vector<std::string> sounds;
    std::map<HWND, NativeWindow> natives;
    std::vector<HWND> order;
};

HeadlessBackend& Active() {
    WindowSystem* system = WindowSystem::Current();
    if (!system)
        throw std::logic_error("headless backend used before InitPlatform");
    return static_cast<HeadlessBackend&>(system->NativeBackend());
}

}   // namespace

bool InitPlatform(const char*) {
    WindowSystem::Start(std::make_unique<HeadlessBackend>());
    return true;
}

void ShutdownPlatform() { WindowSystem::Stop(); }

namespace Headless {

void AdvanceClock(uint32_t milliseconds) { Active().clock += milliseconds; }

void SetCursorPos(POINT screen) { Active().cursor = screen; }

void InjectMouse(UINT message, POINT screen) {
    HeadlessBackend& backend = Active();
    backend.cursor = screen;
    const HWND top = backend.TopLevelAt(screen);
    POINT client = screen;
    ScreenToClient(top, client);
    backend.sink->OnNativeMouse(top, message, client);
}

void InjectActivateApp(bool active) { Active().sink->OnNativeAppActivation(active); }

void InjectClose(HWND topLevel) { Active().sink->OnNativeClose(topLevel); }

uint32_t ReadPixel(HWND window, int x, int y) {
    HeadlessBackend& backend = Active();
    const HWND root = GetAncestorRoot(window);
    const auto native = backend.natives.find(root);
    if (native == backend.natives.end())
        return 0;
    POINT p{x, y};
    ClientToScreen(window, p);
    ScreenToClient(root, p);
    const Surface& surface = native->second.surface;
    if (p.x < 0 || p.y < 0 || p.x >= surface.width || p.y >= surface.height)
        return 0;
    return surface.pixels[static_cast<size_t>(p.y) * surface.width + p.x];
}

const std::vector<std::string>& PlayedSounds() { return Active().sounds; }

SystemCursor CurrentCursor() { return Active().cursorShape; }

}   // namespace Headless
