// SPDX-License-Identifier: GPL-3.0-or-later
// The SDL2 backend: one SDL window per top-level window, its window surface as the screen.

#include <SDL.h>
#include <SDL_image.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>

#include "embedded/EmbeddedResource.h"
#include "foundation/UniqueHandle.h"
#include "platform/Platform.h"
#include "platform/core/AppActivation.h"
#include "platform/core/NativeWindowStates.h"
#include "platform/core/WindowSystem.h"
#include "platform/sdl/X11Connection.h"

namespace {

using WindowPtr = UniqueHandle<SDL_Window, SDL_DestroyWindow>;
using SurfacePtr = UniqueHandle<SDL_Surface, SDL_FreeSurface>;
using CursorPtr = UniqueHandle<SDL_Cursor, SDL_FreeCursor>;

// Standard error goes to /dev/null for the life of the object: the sound libraries below SDL
// print their complaints there when no sound device exists.
class QuietStandardError {
public:
    QuietStandardError() : saved(dup(STDERR_FILENO)) {
        const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved >= 0 && null >= 0)
            dup2(null, STDERR_FILENO);
        if (null >= 0)
            close(null);
    }
    ~QuietStandardError() {
        if (saved >= 0) {
            dup2(saved, STDERR_FILENO);
            close(saved);
        }
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved;
};

class SdlBackend : public Backend {
public:
    ~SdlBackend() override {
        if (audioDevice)
            SDL_CloseAudioDevice(audioDevice);
        if (audioStarted)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    void Attach(NativeEventSink& windowSystem) override { sink = &windowSystem; }

    uint32_t Now() override { return SDL_GetTicks(); }

    void PumpEvents(int timeoutMs) override {
        timeoutMs = activation.WaitLimit(timeoutMs);
        if (!HandlePending() && timeoutMs != 0) {
            Wait(timeoutMs);
            HandlePending();
        }
        if (activation.TakeDeactivation())
            sink->OnNativeAppActivation(false);
    }

    RECT WorkArea() override {
        SDL_Rect bounds{0, 0, 0, 0};
        if (SDL_GetDisplayUsableBounds(0, &bounds) != 0) {
            bounds = {0, 0, 0, 0};
            SDL_GetDisplayBounds(0, &bounds);   // the whole display, then
        }
        return {bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h};
    }

    bool CreateNative(HWND window, const std::string& title, const RECT& screenRect, DWORD style,
                      const std::string& iconResource, HWND owner) override {
        const bool popup = (style & WS_POPUP) != 0;
        const Uint32 flags =
            SDL_WINDOW_HIDDEN | (popup ? SDL_WINDOW_BORDERLESS | SDL_WINDOW_SKIP_TASKBAR : SDL_WINDOW_RESIZABLE);
        WindowPtr native(SDL_CreateWindow(title.c_str(), screenRect.left, screenRect.top,
                                          std::max<int>(screenRect.right - screenRect.left, 1),
                                          std::max<int>(screenRect.bottom - screenRect.top, 1), flags));
        if (!native)
            return false;
        if (!iconResource.empty())
            SetIcon(native.get(), iconResource);
        if (owner)
            if (SDL_Window* ownerNative = Native(owner))
                SDL_SetWindowModalFor(native.get(), ownerNative);   // stays above its owner
        ids[SDL_GetWindowID(native.get())] = window;
        windows[window] = std::move(native);
        return true;
    }

    void DestroyNative(HWND window) override {
        const auto it = windows.find(window);
        if (it == windows.end())
            return;
        ids.erase(SDL_GetWindowID(it->second.get()));
        states.Forget(window);
        windows.erase(it);
    }

    void SetNativeText(HWND window, const std::string& text) override {
        if (SDL_Window* native = Native(window))
            SDL_SetWindowTitle(native, text.c_str());
    }

    void MoveNative(HWND window, const RECT& screenRect) override {
        SDL_Window* native = Native(window);
        if (!native)
            return;
        if (NativeMaximized(native))
            SDL_RestoreWindow(native);
        states.Move(window);
        SDL_SetWindowPosition(native, screenRect.left, screenRect.top);
        SDL_SetWindowSize(native, std::max<int>(screenRect.right - screenRect.left, 1),
                          std::max<int>(screenRect.bottom - screenRect.top, 1));
    }

    void ShowNative(HWND window, NativeShow how) override {
        SDL_Window* native = Native(window);
        if (!native)
            return;
        switch (how) {
        case NativeShow::Hide:
            SDL_HideWindow(native);
            break;
        case NativeShow::Show:
            SDL_ShowWindow(native);
            break;
        case NativeShow::Minimize:
            SDL_ShowWindow(native);
            SDL_MinimizeWindow(native);
            break;
        case NativeShow::Restore:
            SDL_ShowWindow(native);
            SDL_RestoreWindow(native);
            break;
        case NativeShow::Maximize:
            Maximize(window, native);
            break;
        }
    }

    void Present(HWND window, const std::vector<RECT>& rects, const PixelBuffer* source, POINT offset,
                 uint32_t fill) override {
        SDL_Window* native = Native(window);
        SDL_Surface* surface = native ? SDL_GetWindowSurface(native) : nullptr;
        if (!surface)
            return;
        std::vector<SDL_Rect> shown;
        if (SDL_MUSTLOCK(surface))
            SDL_LockSurface(surface);
        for (const RECT& r : rects) {
            const int left = std::max(r.left, 0), top = std::max(r.top, 0);
            const int right = std::min(r.right, surface->w), bottom = std::min(r.bottom, surface->h);
            if (right <= left || bottom <= top)
                continue;
            SDL_Rect area{left, top, right - left, bottom - top};
            if (source) {
                // Premultiplied ARGB shows as its colour over black, as a block copy to the
                // screen does.
                const auto* from = static_cast<const uint8_t*>(source->pixels) +
                                   static_cast<ptrdiff_t>(top - offset.y) * source->stride +
                                   static_cast<ptrdiff_t>(left - offset.x) * 4;
                auto* to = static_cast<uint8_t*>(surface->pixels) + static_cast<ptrdiff_t>(top) * surface->pitch +
                           static_cast<ptrdiff_t>(left) * surface->format->BytesPerPixel;
                SDL_ConvertPixels(area.w, area.h, SDL_PIXELFORMAT_ARGB8888, from, source->stride,
                                  surface->format->format, to, surface->pitch);
            } else {
                SDL_FillRect(surface, &area,
                             SDL_MapRGB(surface->format, (fill >> 16) & 0xFF, (fill >> 8) & 0xFF, fill & 0xFF));
            }
            shown.push_back(area);
        }
        if (SDL_MUSTLOCK(surface))
            SDL_UnlockSurface(surface);
        if (!shown.empty())
            SDL_UpdateWindowSurfaceRects(native, shown.data(), static_cast<int>(shown.size()));
    }

    // While the mouse is captured, X11 stops refreshing SDL's global pointer position until
    // the button is released, so a drag would see the press point throughout. The pointer
    // position of the window with the mouse focus follows every event, captured or not.
    bool CursorPos(POINT& screen) override {
        int x = 0, y = 0;
        if (SDL_Window* focus = SDL_GetMouseFocus()) {
            int left = 0, top = 0;
            SDL_GetWindowPosition(focus, &left, &top);
            SDL_GetMouseState(&x, &y);
            screen = {left + x, top + y};
        } else {
            SDL_GetGlobalMouseState(&x, &y);
            screen = {x, y};
        }
        return true;
    }

    void CaptureMouse(bool capture) override { SDL_CaptureMouse(capture ? SDL_TRUE : SDL_FALSE); }

    void ShowCursorShape(SystemCursor cursor) override {
        CursorPtr& shape = cursor == SystemCursor::Wait ? waitCursor : arrowCursor;
        if (!shape)
            shape.reset(SDL_CreateSystemCursor(cursor == SystemCursor::Wait ? SDL_SYSTEM_CURSOR_WAIT
                                                                            : SDL_SYSTEM_CURSOR_ARROW));
        if (shape)
            SDL_SetCursor(shape.get());
    }

    bool PlaySound(const char* name) override {
        const std::span<const uint8_t> wave = FindEmbeddedResource(name);
        if (wave.empty())
            return false;
        SDL_AudioSpec format;
        Uint8* buffer = nullptr;
        Uint32 length = 0;
        if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size())), 1, &format, &buffer,
                            &length))
            return false;
        UniqueHandle<Uint8, SDL_FreeWAV> samples(buffer);
        if (!OpenAudio(format))
            return false;
        // A new sound replaces one that is still playing.
        SDL_ClearQueuedAudio(audioDevice);
        if (SDL_QueueAudio(audioDevice, samples.get(), length) != 0)
            return false;
        SDL_PauseAudioDevice(audioDevice, 0);
        return true;
    }

private:
    SDL_Window* Native(HWND window) const {
        const auto it = windows.find(window);
        return it == windows.end() ? nullptr : it->second.get();
    }

    HWND FromId(Uint32 id) const {
        const auto it = ids.find(id);
        return it == ids.end() ? nullptr : it->second;
    }

    RECT NativeRect(SDL_Window* native) const {
        int x = 0, y = 0, w = 0, h = 0;
        SDL_GetWindowPosition(native, &x, &y);
        SDL_GetWindowSize(native, &w, &h);
        return {x, y, x + w, y + h};
    }

    // Handles every event that is there; false when there was none.
    bool HandlePending() {
        SDL_Event event;
        bool any = false;
        while (SDL_PollEvent(&event)) {
            Handle(event);
            any = true;
        }
        return any;
    }

    // Waits for the next event, at most `timeoutMs` (-1: no limit). On X11 the wait is a poll
    // of the X connection: SDL's own wait wakes itself with events sent to one of our windows
    // over a second connection, and one sent just before that window is destroyed fails and
    // ends the process in Xlib's error handler.
    void Wait(int timeoutMs) {
        if (x11Fd < 0 && !windows.empty())
            x11Fd = X11ConnectionFd(windows.begin()->second.get());
        if (x11Fd < 0) {
            SDL_WaitEventTimeout(nullptr, timeoutMs);
            return;
        }
        // Nothing may stay read but unhandled in Xlib's queue, or the poll would sleep on it.
        SDL_PumpEvents();
        if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
            return;
        pollfd connection{x11Fd, POLLIN, 0};
        poll(&connection, 1, timeoutMs);
    }

    void SetIcon(SDL_Window* native, const std::string& name) {
        const std::span<const uint8_t> png = FindEmbeddedResource(name);
        if (png.empty())
            return;
        SurfacePtr icon(IMG_Load_RW(SDL_RWFromConstMem(png.data(), static_cast<int>(png.size())), 1));
        if (icon)
            SDL_SetWindowIcon(native, icon.get());
    }

    // Without a window manager nothing maximises a window, so it is first given the usable
    // area of its display and then asked to maximise: a window manager that is there finishes
    // the job and reports the size it chose, and without one the window is already right.
    void Maximize(HWND window, SDL_Window* native) {
        RECT rect = NativeRect(native);
        auto sizing = NativeWindowStates::Sizing::ByWindowManager;
        SDL_Rect usable{0, 0, 0, 0};
        const int display = std::max(SDL_GetWindowDisplayIndex(native), 0);
        if (!NativeMaximized(native) && SDL_GetDisplayUsableBounds(display, &usable) == 0) {
            SDL_SetWindowPosition(native, usable.x, usable.y);
            SDL_SetWindowSize(native, usable.w, usable.h);
            rect = {usable.x, usable.y, usable.x + usable.w, usable.y + usable.h};
            sizing = NativeWindowStates::Sizing::ByHand;
        }
        SDL_ShowWindow(native);
        SDL_MaximizeWindow(native);
        Report(window, rect, states.Maximize(window, sizing));
    }

    static bool NativeMaximized(SDL_Window* native) { return (SDL_GetWindowFlags(native) & SDL_WINDOW_MAXIMIZED) != 0; }

    void Report(HWND window, const RECT& rect, NativeWindowStates::State state) {
        sink->OnNativeState(window, rect, state.minimized, state.maximized);
    }

    bool OpenAudio(const SDL_AudioSpec& format) {
        if (audioDevice)
            return true;
        if (audioTried)
            return false;
        audioTried = true;
        QuietStandardError quiet;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        audioStarted = true;
        audioDevice = SDL_OpenAudioDevice(nullptr, 0, &format, nullptr, 0);
        return audioDevice != 0;
    }

    void Handle(const SDL_Event& event) {
        switch (event.type) {
        case SDL_WINDOWEVENT:
            HandleWindowEvent(event.window);
            break;
        case SDL_MOUSEMOTION:
            Mouse(event.motion.windowID, WM_MOUSEMOVE, event.motion.x, event.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            const bool down = event.type == SDL_MOUSEBUTTONDOWN;
            if (event.button.button == SDL_BUTTON_LEFT)
                Mouse(event.button.windowID, down ? WM_LBUTTONDOWN : WM_LBUTTONUP, event.button.x, event.button.y);
            else if (event.button.button == SDL_BUTTON_RIGHT)
                Mouse(event.button.windowID, down ? WM_RBUTTONDOWN : WM_RBUTTONUP, event.button.x, event.button.y);
            break;
        }
        default:
            break;
        }
    }

    // Positions come relative to the SDL window that had the pointer.
    void Mouse(Uint32 windowId, UINT message, int x, int y) { sink->OnNativeMouse(FromId(windowId), message, {x, y}); }

    void HandleWindowEvent(const SDL_WindowEvent& event) {
        const HWND window = FromId(event.windowID);
        SDL_Window* native = Native(window);
        if (!native)
            return;
        switch (event.event) {
        case SDL_WINDOWEVENT_EXPOSED:
            sink->OnNativeExposed(window);
            break;
        case SDL_WINDOWEVENT_MOVED:
            sink->OnNativeMoved(window, {event.data1, event.data2});
            break;
        case SDL_WINDOWEVENT_RESTORED:
            Report(window, NativeRect(native), states.Restored(window, NativeMaximized(native)));
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            if (const auto state = states.Resized(window, NativeMaximized(native)))
                Report(window, NativeRect(native), *state);
            break;
        case SDL_WINDOWEVENT_MAXIMIZED:
            Report(window, NativeRect(native), states.Maximized(window, NativeMaximized(native)));
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            Report(window, NativeRect(native), states.Minimized(window));
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: {
            const bool activates = activation.FocusGained();
            sink->OnNativeFocus(window);
            if (activates)
                sink->OnNativeAppActivation(true);
            break;
        }
        case SDL_WINDOWEVENT_FOCUS_LOST:
            activation.FocusLost();
            break;
        case SDL_WINDOWEVENT_CLOSE:
            sink->OnNativeClose(window);
            break;
        default:
            break;
        }
    }

    NativeEventSink* sink = nullptr;   // the window system that took the backend
    std::map<HWND, WindowPtr> windows;
    std::map<Uint32, HWND> ids;
    NativeWindowStates states;
    AppActivation activation{[this] { return Now(); }};
    CursorPtr arrowCursor;
    CursorPtr waitCursor;
    bool audioTried = false;
    bool audioStarted = false;
    SDL_AudioDeviceID audioDevice = 0;
    int x11Fd = -1;   // the X connection, once a window shows that there is one
};

// Only a real display counts: SDL falls back to drawing off screen when there is none.
bool RealDisplayDriver() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && (std::strcmp(driver, "x11") == 0 || std::strcmp(driver, "wayland") == 0);
}

}   // namespace

bool InitPlatform(const char* applicationClass) {
    // Read by SDL's X11 driver when video starts; names the windows to the desktop.
    if (applicationClass && *applicationClass)
        setenv("SDL_VIDEO_X11_WMCLASS", applicationClass, 1);
    // Window surfaces through the native path: exact rectangles, no OpenGL round trip.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // The default signal handling of a desktop program, not a quit event.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // A desktop window like any other: the screen saver and the compositor stay on.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // A click that activates a window also acts, as desktop users expect.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    int started = 0;
    {
        // The display libraries complain on standard error when there is no display.
        QuietStandardError quiet;
        started = SDL_Init(SDL_INIT_VIDEO);
    }
    if (started != 0)
        return false;
    if (!RealDisplayDriver()) {
        SDL_Quit();
        return false;
    }
    WindowSystem::Start(std::make_unique<SdlBackend>());
    return true;
}

void ShutdownPlatform() {
    WindowSystem::Stop();
    SDL_Quit();
}
