#pragma once
// The process's window system: classes, windows, the message queue, timers, capture, cursor
// and painting, on top of one backend. The public calls (WindowApi.h, Messages.h, ...) forward
// here; backends report native events through the On... operations.

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/WindowApi.h"
#include "platform/WindowClassLock.h"

class WindowSystem {
public:
    explicit WindowSystem(std::unique_ptr<Backend> backend);
    ~WindowSystem();
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    // The running window system, or null before InitPlatform and after ShutdownPlatform.
    static WindowSystem* Current();
    static void Start(std::unique_ptr<Backend> backend);
    static void Stop();
    // Destroys every window, owners with what they own, sending their last messages.
    void DestroyAllWindows();

    Backend& NativeBackend() { return *backend; }

    // Classes and windows.
    bool RegisterClass(const WNDCLASS& windowClass);
    bool GetClassInfo(const std::string& className, WNDCLASS& windowClass) const;
    HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& text,
                        DWORD style, int x, int y, int width, int height, HWND parent,
                        void* createParams);
    bool DestroyWindow(HWND window);
    bool IsWindow(HWND window) const { return Find(window) != nullptr; }
    LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    intptr_t SetUserData(HWND window, intptr_t value);
    intptr_t GetUserData(HWND window) const;
    HWND GetParent(HWND window) const;
    HWND GetRoot(HWND window) const;
    std::string GetClassName(HWND window) const;
    DWORD GetStyle(HWND window) const;
    bool ShowWindow(HWND window, int command);
    bool IsWindowVisible(HWND window) const;
    bool IsIconic(HWND window) const;
    bool IsZoomed(HWND window) const;
    bool EnableWindow(HWND window, bool enable);
    bool IsWindowEnabled(HWND window) const;
    bool SetWindowText(HWND window, const std::string& text);
    std::string GetWindowText(HWND window) const;
    bool GetClientRect(HWND window, RECT& rect) const;
    bool GetWindowRect(HWND window, RECT& rect) const;
    bool SetWindowPos(HWND window, int x, int y, int width, int height, UINT flags);
    bool ClientToScreen(HWND window, POINT& point) const;
    bool ScreenToClient(HWND window, POINT& point) const;
    HWND GetActiveWindow() const { return activeWindow; }
    HWND SetActiveWindow(HWND window);

    // Messages and timers.
    LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void PostQuitMessage(int exitCode);
    bool GetMessage(MSG& msg, bool wait, bool remove);
    UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapseMs);
    bool KillTimer(HWND window, UINT_PTR id);

    // Capture and cursor.
    HWND SetCapture(HWND window);
    bool ReleaseCapture();
    HWND GetCapture() const { return captureWindow; }
    HCURSOR SetCursor(HCURSOR cursor);
    HCURSOR GetCursor() const { return currentCursor; }

    // Painting. Device contexts are plain handles of their window.
    HDC BeginPaint(HWND window, PAINTSTRUCT& paint);
    bool EndPaint(HWND window, const PAINTSTRUCT& paint);
    HDC GetDC(HWND window);
    int ReleaseDC(HWND window, HDC dc);
    HWND WindowFromDC(HDC dc) const;
    bool BitBlt(HDC dc, int x, int y, int width, int height, const PixelBuffer& source, int srcX,
                int srcY);
    bool FillRect(HDC dc, const RECT& rect, uint32_t argb);
    bool InvalidateRect(HWND window, const RECT* rect, bool erase);
    bool ValidateRect(HWND window, const RECT* rect);
    bool UpdateWindow(HWND window);

    // Native events, from the backend. Points are in the top-level window's client coordinates.
    void OnNativeMouse(HWND topLevel, UINT message, POINT client);
    void OnNativeState(HWND topLevel, const RECT& screenRect, bool minimized, bool maximized);
    void OnNativeMoved(HWND topLevel, POINT screenOrigin);
    void OnNativeExposed(HWND topLevel);
    void OnNativeClose(HWND topLevel);
    void OnNativeFocus(HWND topLevel);
    void OnNativeAppActivation(bool active);

    // The mouse message target for a point of a top-level client area: the capture window,
    // else the deepest visible and enabled window there; null when input is refused.
    HWND MouseTarget(HWND topLevel, POINT client) const;

private:
    struct TimerEntry {
        UINT elapse = 0;
        uint32_t due = 0;
    };
    struct Window {
        HWND handle = nullptr;
        WNDCLASS windowClass;
        HWND parent = nullptr;   // child windows
        HWND owner = nullptr;    // owned top-level windows
        std::vector<HWND> children;   // in creation order: later ones lie on top
        DWORD style = 0;
        DWORD exStyle = 0;
        RECT rect;   // parent client coordinates for children, screen for top-level windows
        std::string text;
        bool minimized = false;
        bool maximized = false;
        bool destroying = false;
        bool invalid = false;
        bool eraseNeeded = false;
        RECT invalidRect;
        intptr_t userData = 0;
        std::map<UINT_PTR, TimerEntry> timers;
        std::unique_ptr<WindowClassLock> classLock;   // top-level windows only
        bool Child() const { return (style & WS_CHILD) != 0; }
    };
    using Region = std::vector<RECT>;

    Window* Find(HWND window);
    const Window* Find(HWND window) const;
    LRESULT CallProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void DestroyTree(HWND window);
    POINT ClientOriginInRoot(const Window& window) const;
    Region VisibleRegion(const Window& window) const;
    void Present(HWND window, const RECT& clientRect, const PixelBuffer* source, POINT srcOrigin,
                 uint32_t fill);
    void InvalidateTree(HWND window);
    void InvalidateParentArea(const Window& window);
    bool Resize(HWND window, const RECT& rect, std::optional<WPARAM> kind);
    void QueueMouse(HWND target, UINT message, POINT rootClient, HWND root);
    std::optional<MSG> TakeMessage(bool remove);
    std::optional<int> NextTimerDelay();
    HWND FirstInvalid(HWND window) const;

    std::unique_ptr<Backend> backend;
    std::map<std::string, WNDCLASS> classes;
    std::map<uintptr_t, std::unique_ptr<Window>> windows;   // ordered by creation
    std::deque<MSG> queue;
    std::optional<int> quitCode;
    HWND captureWindow = nullptr;
    HWND activeWindow = nullptr;
    HCURSOR currentCursor = nullptr;
    HCURSOR openUrlCursor = nullptr;   // the cursor to restore after opening a web page
    // Paint contexts: one per window at a time is all the game needs.
    std::map<uintptr_t, RECT> paintClips;
};
