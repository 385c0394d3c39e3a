// SPDX-License-Identifier: GPL-3.0-or-later
// The window tree's lifecycle: the process's one instance, window classes, creating and
// destroying windows, the default procedure, the message calls and the backends' native
// events. Changes to a window's properties are in WindowProperties.cpp.

#include "platform/core/WindowSystem.h"

#include <algorithm>
#include <utility>

#include "foundation/Util.h"

namespace {

// The window system of the process; the thread that starts it is the only one that uses it.
std::unique_ptr<WindowSystem>& Instance() {
    static std::unique_ptr<WindowSystem> instance;
    return instance;
}

// Handle values are never reused, not even by a window system started later in the process:
// an object that outlived its session must not mistake a new window for its own.
uintptr_t nextHandle = 0x1000;

// The system window colour behind COLOR_WINDOW + 1.
constexpr uint32_t kWindowColour = 0xFFFFFFFF;

}   // namespace

WindowSystem::WindowSystem(std::unique_ptr<Backend> backend) : backend(std::move(backend)) {
    this->backend->Attach(*this);
}

WindowSystem::~WindowSystem() { DestroyAllWindows(); }

void WindowSystem::DestroyAllWindows() {
    while (!windows.empty()) {
        const HWND first = windows.begin()->second->handle;
        HWND root = GetRoot(first);
        while (const WindowRecord* w = Find(root)) {
            if (!w->owner)
                break;
            root = w->owner;
        }
        DestroyWindow(root);
        Erase(first);   // in case a handler refused to let it go
    }
}

WindowSystem* WindowSystem::Current() { return Instance().get(); }

void WindowSystem::Start(std::unique_ptr<Backend> backend) {
    Instance() = std::make_unique<WindowSystem>(std::move(backend));
    // Opening a web page shows the wait cursor while the browser is being started.
    Util::SetOpenUrlCursorHooks(
        [] {
            if (WindowSystem* system = Current())
                system->input.ShowOpenUrlWait();
        },
        [] {
            if (WindowSystem* system = Current())
                system->input.EndOpenUrlWait();
        });
}

void WindowSystem::Stop() {
    Util::SetOpenUrlCursorHooks({}, {});
    // The windows that are left go while the system is still current, so that their handlers
    // get their last messages and their objects let go of the handles.
    if (Instance())
        Instance()->DestroyAllWindows();
    Instance().reset();
}

bool WindowSystem::RegisterClass(const WNDCLASS& windowClass) {
    if (windowClass.className.empty() || !windowClass.lpfnWndProc)
        return false;
    return classes.emplace(windowClass.className, windowClass).second;
}

bool WindowSystem::GetClassInfo(const std::string& className, WNDCLASS& windowClass) const {
    const auto it = classes.find(className);
    if (it == classes.end())
        return false;
    windowClass = it->second;
    return true;
}

HWND WindowSystem::CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& text, DWORD style,
                                  int x, int y, int width, int height, HWND parent, void* createParams) {
    const auto cls = classes.find(className);
    if (cls == classes.end())
        return nullptr;
    const bool child = (style & WS_CHILD) != 0;
    if (child ? !Find(parent) : (parent && !Find(parent)))
        return nullptr;

    auto window = std::make_unique<WindowRecord>();
    const HWND handle = ToHwnd(nextHandle);
    nextHandle += kHandleStep;
    window->handle = handle;
    window->windowClass = cls->second;
    window->style = style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    window->exStyle = exStyle;
    window->text = text;
    if (child) {
        window->parent = parent;
        if (x == CW_USEDEFAULT)
            x = y = width = height = 0;
        if (width == CW_USEDEFAULT)
            width = height = 0;
    } else {
        // A pop-up is owned by the top-level window that holds the window it was given, so
        // that disabling, stacking and destroying follow the owner's native window.
        window->owner = GetRoot(parent);
        const RECT work = backend->WorkArea();
        const int workWidth = work.right - work.left, workHeight = work.bottom - work.top;
        if (x == CW_USEDEFAULT) {
            x = work.left + workWidth / 8;
            y = work.top + workHeight / 8;
        }
        if (width == CW_USEDEFAULT) {
            width = workWidth * 3 / 4;
            height = workHeight * 3 / 4;
        }
    }
    window->rect = {x, y, x + std::max(width, 0), y + std::max(height, 0)};

    if (!child) {
        if (!backend->CreateNative(handle, text, window->rect, style, window->windowClass.iconResource, window->owner))
            return nullptr;
        window->classLock = std::make_unique<WindowClassLock>(className);
    }
    windows.emplace(HandleValue(handle), std::move(window));
    if (child)
        Find(parent)->children.push_back(handle);

    CREATESTRUCT create;
    create.lpCreateParams = createParams;
    create.hwndParent = parent;
    create.x = x;
    create.y = y;
    create.cx = width;
    create.cy = height;
    create.style = style;
    create.exStyle = exStyle;
    LRESULT created = -1;
    try {
        created = CallProc(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create));
    } catch (...) {
        // Not a containment point: the half-made window goes, the exception goes on.
        DestroyWindow(handle);
        throw;
    }
    if (created == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    if (!Find(handle))
        return nullptr;
    CallProc(handle, WM_SIZE, SIZE_RESTORED,
             MAKELPARAM(static_cast<uint32_t>(std::max(width, 0)), static_cast<uint32_t>(std::max(height, 0))));
    if ((style & WS_MAXIMIZE) && !child)
        ShowWindow(handle, SW_SHOWMAXIMIZED);
    else if (style & WS_VISIBLE)
        ShowWindow(handle, SW_SHOWNOACTIVATE);
    return Find(handle) ? handle : nullptr;
}

bool WindowSystem::DestroyWindow(HWND window) {
    WindowRecord* w = Find(window);
    if (!w)
        return false;
    if (w->destroying)
        return true;
    // Owned pop-ups go first, as their owner's lifetime bounds theirs.
    std::vector<HWND> owned;
    for (const auto& [id, other] : windows)
        if (other->owner == window)
            owned.push_back(other->handle);
    for (HWND o : owned)
        DestroyWindow(o);

    w = Find(window);
    if (!w)
        return true;
    if (w->Child() && IsWindowVisible(window))
        painting.InvalidateParentArea(*w);
    if (!w->Child())
        backend->DestroyNative(window);
    DestroyTree(window);

    if (WindowRecord* parent = Find(GetParent(window))) {
        auto& siblings = parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    }
    const WindowRecord* gone = Find(window);
    const HWND owner = gone ? gone->owner : nullptr;
    Erase(window);
    if (activeWindow == window) {
        activeWindow = Find(owner) ? owner : nullptr;
    }
    return true;
}

void WindowSystem::Erase(HWND window) {
    queue.DropTimers(window);
    windows.erase(HandleValue(window));
}

void WindowSystem::DestroyTree(HWND window) {
    WindowRecord* w = Find(window);
    if (!w)
        return;
    w->destroying = true;
    queue.DropTimers(window);
    if (input.GetCapture() == window)
        input.ReleaseCapture();
    CallProc(window, WM_DESTROY, 0, 0);
    w = Find(window);
    if (!w)
        return;
    const std::vector<HWND> children = w->children;
    for (HWND c : children) {
        DestroyTree(c);
        Erase(c);
    }
    if ((w = Find(window)))
        w->children.clear();
    CallProc(window, WM_NCDESTROY, 0, 0);
}

LRESULT WindowSystem::DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_ERASEBKGND: {
        const WindowRecord* w = Find(window);
        if (!w || w->windowClass.hbrBackground == 0)
            return 0;
        RECT client;
        GetClientRect(window, client);
        painting.FillRect(reinterpret_cast<HDC>(wParam), client, kWindowColour);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        painting.BeginPaint(window, paint);
        painting.EndPaint(window, paint);
        return 0;
    }
    default:
        return 0;
    }
}

LRESULT WindowSystem::SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallProc(window, message, wParam, lParam);
}

bool WindowSystem::PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window && !Find(window))
        return false;
    MSG msg;
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = backend->Now();
    backend->CursorPos(msg.pt);
    queue.Post(msg);
    return true;
}

bool WindowSystem::GetMessage(MSG& msg, bool wait, bool remove) {
    backend->PumpEvents(0);
    for (;;) {
        const std::optional<MSG> taken = queue.Take(remove, backend->Now(), [this] { return painting.FirstInvalid(); });
        if (taken) {
            msg = *taken;
            return true;
        }
        if (!wait)
            return false;
        backend->PumpEvents(queue.NextTimerDelay(backend->Now()).value_or(-1));
    }
}

UINT_PTR WindowSystem::SetTimer(HWND window, UINT_PTR id, UINT elapseMs) {
    if (!Find(window) || id == 0)
        return 0;
    queue.SetTimer(window, id, std::max<UINT>(elapseMs, 10), backend->Now());
    return id;
}

bool WindowSystem::KillTimer(HWND window, UINT_PTR id) { return Find(window) && queue.KillTimer(window, id); }

void WindowSystem::OnNativeState(HWND topLevel, const RECT& screenRect, bool minimized, bool maximized) {
    WindowRecord* w = Find(topLevel);
    if (!w || w->Child())
        return;
    const bool stateChanged = w->minimized != minimized || w->maximized != maximized;
    w->minimized = minimized;
    w->maximized = maximized;
    if (minimized) {
        if (stateChanged)
            Resize(topLevel, w->rect, SIZE_MINIMIZED);
        return;
    }
    const bool sized =
        Resize(topLevel, screenRect,
               stateChanged ? std::optional<WPARAM>(maximized ? SIZE_MAXIMIZED : SIZE_RESTORED) : std::nullopt);
    if (sized || stateChanged)
        painting.InvalidateTree(topLevel);
}

void WindowSystem::OnNativeMoved(HWND topLevel, POINT screenOrigin) {
    WindowRecord* w = Find(topLevel);
    if (!w || w->Child())
        return;
    w->rect = Region::Offset(w->rect, screenOrigin.x - w->rect.left, screenOrigin.y - w->rect.top);
}

void WindowSystem::OnNativeExposed(HWND topLevel) {
    if (Find(topLevel))
        painting.InvalidateTree(topLevel);
}

void WindowSystem::OnNativeClose(HWND topLevel) {
    // The close box of a disabled window (under a modal panel) does nothing.
    if (Find(topLevel) && IsWindowEnabled(topLevel))
        PostMessage(topLevel, WM_CLOSE, 0, 0);
}

void WindowSystem::OnNativeFocus(HWND topLevel) {
    if (Find(topLevel))
        activeWindow = topLevel;
}

void WindowSystem::OnNativeAppActivation(bool active) {
    std::vector<HWND> topLevels;
    for (const auto& [id, w] : windows)
        if (!w->Child())
            topLevels.push_back(w->handle);
    for (HWND w : topLevels)
        CallProc(w, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
}
