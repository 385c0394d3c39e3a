// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The process's window system: the window tree with its classes, lifecycle and the operations
// that change windows, on top of one backend, holding the message queue, painting and input
// routing. The public calls (WindowApi.h, Messages.h, ...) forward here; its backend reports
// native events to it as their sink. Internal to the platform layer.

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/WinTypes.h"
#include "platform/core/Backend.h"
#include "platform/core/InputRouting.h"
#include "platform/core/MessageQueue.h"
#include "platform/core/NativeEventSink.h"
#include "platform/core/Painting.h"
#include "platform/core/WindowTree.h"

class WindowSystem : public WindowTree, private NativeEventSink {
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
    Painting& Paint() { return painting; }
    InputRouting& Input() { return input; }

    // Classes and windows; the questions about a window are WindowTree's.
    bool RegisterClass(const WNDCLASS& windowClass);
    bool GetClassInfo(const std::string& className, WNDCLASS& windowClass) const;
    HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& text, DWORD style, int x, int y,
                        int width, int height, HWND parent, void* createParams);
    bool DestroyWindow(HWND window);
    LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    intptr_t SetUserData(HWND window, intptr_t value);
    bool ShowWindow(HWND window, int command);
    bool EnableWindow(HWND window, bool enable);
    bool SetWindowText(HWND window, const std::string& text);
    bool SetWindowPos(HWND window, int x, int y, int width, int height, UINT flags);
    HWND GetActiveWindow() const { return activeWindow; }
    HWND SetActiveWindow(HWND window);

    // Messages and timers.
    LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void PostQuitMessage(int exitCode) { queue.PostQuit(exitCode); }
    bool GetMessage(MSG& msg, bool wait, bool remove);
    UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapseMs);
    bool KillTimer(HWND window, UINT_PTR id);

private:
    // Native events; only the backend reaches them, through the sink it was given.
    void OnNativeMouse(HWND topLevel, UINT message, POINT client) override {
        input.OnNativeMouse(topLevel, message, client);
    }
    void OnNativeState(HWND topLevel, const RECT& screenRect, bool minimized, bool maximized) override;
    void OnNativeMoved(HWND topLevel, POINT screenOrigin) override;
    void OnNativeExposed(HWND topLevel) override;
    void OnNativeClose(HWND topLevel) override;
    void OnNativeFocus(HWND topLevel) override;
    void OnNativeAppActivation(bool active) override;

    void DestroyTree(HWND window);
    void Erase(HWND window);
    bool Resize(HWND window, const RECT& rect, std::optional<WPARAM> kind);

    std::unique_ptr<Backend> backend;
    std::map<std::string, WNDCLASS> classes;
    HWND activeWindow = nullptr;
    MessageQueue queue;
    Painting painting{*this, *backend};
    InputRouting input{*this, *backend, queue};
};
