#include "platform/WindowSystem.h"

#include "foundation/Util.h"

#include <algorithm>
#include <utility>

namespace {

// The window system of the process; the thread that starts it is the only one that uses it.
std::unique_ptr<WindowSystem>& Instance() {
    static std::unique_ptr<WindowSystem> instance;
    return instance;
}

constexpr uintptr_t kHandleStep = 4;
constexpr uintptr_t kWindowDcTag = 1;   // GetDC: the whole visible client area
constexpr uintptr_t kPaintDcTag = 2;    // BeginPaint: clipped to the invalid area

// Handle values are never reused, not even by a window system started later in the process:
// an object that outlived its session must not mistake a new window for its own.
uintptr_t nextHandle = 0x1000;

uintptr_t HandleValue(const void* handle) { return reinterpret_cast<uintptr_t>(handle); }
HWND ToHwnd(uintptr_t value) { return reinterpret_cast<HWND>(value); }

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

RECT Intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return IsEmpty(r) ? RECT{} : r;
}

RECT Union(const RECT& a, const RECT& b) {
    if (IsEmpty(a))
        return b;
    if (IsEmpty(b))
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

RECT Offset(RECT r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// Region = list of disjoint rectangles; subtraction splits each piece into at most four bands.
void Subtract(std::vector<RECT>& region, const RECT& cut) {
    std::vector<RECT> result;
    for (const RECT& r : region) {
        const RECT overlap = Intersect(r, cut);
        if (IsEmpty(overlap)) {
            result.push_back(r);
            continue;
        }
        if (r.top < overlap.top)
            result.push_back({r.left, r.top, r.right, overlap.top});
        if (overlap.bottom < r.bottom)
            result.push_back({r.left, overlap.bottom, r.right, r.bottom});
        if (r.left < overlap.left)
            result.push_back({r.left, overlap.top, overlap.left, overlap.bottom});
        if (overlap.right < r.right)
            result.push_back({overlap.right, overlap.top, r.right, overlap.bottom});
    }
    region.swap(result);
}

void Clip(std::vector<RECT>& region, const RECT& clip) {
    std::vector<RECT> result;
    for (const RECT& r : region) {
        const RECT overlap = Intersect(r, clip);
        if (!IsEmpty(overlap))
            result.push_back(overlap);
    }
    region.swap(result);
}

// The system window colour behind COLOR_WINDOW + 1.
constexpr uint32_t kWindowColour = 0xFFFFFFFF;

}  // namespace

WindowSystem::WindowSystem(std::unique_ptr<Backend> backend) : backend(std::move(backend)) {}

WindowSystem::~WindowSystem() { DestroyAllWindows(); }

void WindowSystem::DestroyAllWindows() {
    while (!windows.empty()) {
        const HWND first = windows.begin()->second->handle;
        HWND root = GetRoot(first);
        while (const Window* w = Find(root)) {
            if (!w->owner)
                break;
            root = w->owner;
        }
        DestroyWindow(root);
        windows.erase(HandleValue(first));   // in case a handler refused to let it go
    }
}

WindowSystem* WindowSystem::Current() { return Instance().get(); }

void WindowSystem::Start(std::unique_ptr<Backend> backend) {
    Instance() = std::make_unique<WindowSystem>(std::move(backend));
    // Opening a web page shows the wait cursor while the browser is being started.
    Util::SetOpenUrlCursorHooks(
        [] {
            if (WindowSystem* system = Current())
                system->openUrlCursor = system->SetCursor(LoadCursor(SystemCursor::Wait));
        },
        [] {
            if (WindowSystem* system = Current())
                system->SetCursor(system->openUrlCursor);
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

WindowSystem::Window* WindowSystem::Find(HWND window) {
    const auto it = windows.find(HandleValue(window));
    return it == windows.end() ? nullptr : it->second.get();
}

const WindowSystem::Window* WindowSystem::Find(HWND window) const {
    const auto it = windows.find(HandleValue(window));
    return it == windows.end() ? nullptr : it->second.get();
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

HWND WindowSystem::CreateWindowEx(DWORD exStyle, const std::string& className,
                                  const std::string& text, DWORD style, int x, int y, int width,
                                  int height, HWND parent, void* createParams) {
    const auto cls = classes.find(className);
    if (cls == classes.end())
        return nullptr;
    const bool child = (style & WS_CHILD) != 0;
    if (child ? !Find(parent) : (parent && !Find(parent)))
        return nullptr;

    auto window = std::make_unique<Window>();
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
        if (!backend->CreateNative(handle, text, window->rect, style,
                                   window->windowClass.iconResource, window->owner))
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
             MAKELPARAM(static_cast<uint32_t>(std::max(width, 0)),
                        static_cast<uint32_t>(std::max(height, 0))));
    if ((style & WS_MAXIMIZE) && !child)
        ShowWindow(handle, SW_SHOWMAXIMIZED);
    else if (style & WS_VISIBLE)
        ShowWindow(handle, SW_SHOWNOACTIVATE);
    return Find(handle) ? handle : nullptr;
}

LRESULT WindowSystem::CallProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Window* w = Find(window);
    if (!w)
        return 0;
    const WNDPROC proc = w->windowClass.lpfnWndProc;
    return proc(window, message, wParam, lParam);
}

bool WindowSystem::DestroyWindow(HWND window) {
    Window* w = Find(window);
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
        InvalidateParentArea(*w);
    if (!w->Child())
        backend->DestroyNative(window);
    DestroyTree(window);

    if (Window* parent = Find(GetParent(window))) {
        auto& siblings = parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    }
    const Window* gone = Find(window);
    const HWND owner = gone ? gone->owner : nullptr;
    windows.erase(HandleValue(window));
    if (activeWindow == window) {
        activeWindow = Find(owner) ? owner : nullptr;
    }
    return true;
}

void WindowSystem::DestroyTree(HWND window) {
    Window* w = Find(window);
    if (!w)
        return;
    w->destroying = true;
    w->timers.clear();
    if (captureWindow == window)
        ReleaseCapture();
    CallProc(window, WM_DESTROY, 0, 0);
    w = Find(window);
    if (!w)
        return;
    const std::vector<HWND> children = w->children;
    for (HWND c : children) {
        DestroyTree(c);
        windows.erase(HandleValue(c));
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
        const Window* w = Find(window);
        if (!w || w->windowClass.hbrBackground == 0)
            return 0;
        RECT client;
        GetClientRect(window, client);
        FillRect(reinterpret_cast<HDC>(wParam), client, kWindowColour);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, paint);
        EndPaint(window, paint);
        return 0;
    }
    default:
        return 0;
    }
}

intptr_t WindowSystem::SetUserData(HWND window, intptr_t value) {
    Window* w = Find(window);
    if (!w)
        return 0;
    return std::exchange(w->userData, value);
}

intptr_t WindowSystem::GetUserData(HWND window) const {
    const Window* w = Find(window);
    return w ? w->userData : 0;
}

HWND WindowSystem::GetParent(HWND window) const {
    const Window* w = Find(window);
    if (!w)
        return nullptr;
    return w->Child() ? w->parent : w->owner;
}

HWND WindowSystem::GetRoot(HWND window) const {
    const Window* w = Find(window);
    while (w && w->Child())
        w = Find(w->parent);
    return w ? w->handle : nullptr;
}

std::string WindowSystem::GetClassName(HWND window) const {
    const Window* w = Find(window);
    return w ? w->windowClass.className : std::string();
}

DWORD WindowSystem::GetStyle(HWND window) const {
    const Window* w = Find(window);
    if (!w)
        return 0;
    DWORD style = w->style;
    if (w->minimized)
        style |= WS_MINIMIZE;
    if (w->maximized)
        style |= WS_MAXIMIZE;
    return style;
}

bool WindowSystem::ShowWindow(HWND window, int command) {
    Window* w = Find(window);
    if (!w)
        return false;
    const bool wasVisible = (w->style & WS_VISIBLE) != 0;
    const bool show = command != SW_HIDE;

    if (w->Child()) {
        if (show == wasVisible)
            return wasVisible;
        CallProc(window, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        if (!(w = Find(window)))
            return wasVisible;
        if (show) {
            w->style |= WS_VISIBLE;
            InvalidateTree(window);
        } else {
            InvalidateParentArea(*w);
            w->style &= ~WS_VISIBLE;
            if (captureWindow && (captureWindow == window || !IsWindowVisible(captureWindow)))
                ReleaseCapture();
        }
        return wasVisible;
    }

    if (show != wasVisible) {
        CallProc(window, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        if (!(w = Find(window)))
            return wasVisible;
    }
    if (!show) {
        w->style &= ~WS_VISIBLE;
        backend->ShowNative(window, NativeShow::Hide);
        if (activeWindow == window)
            activeWindow = Find(w->owner) ? w->owner : nullptr;
        return wasVisible;
    }
    w->style |= WS_VISIBLE;
    switch (command) {
    case SW_SHOWMAXIMIZED:
        backend->ShowNative(window, NativeShow::Maximize);
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
        backend->ShowNative(window, NativeShow::Minimize);
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
        backend->ShowNative(window, NativeShow::Restore);
        break;
    default:
        backend->ShowNative(window, NativeShow::Show);
        break;
    }
    if (command != SW_MINIMIZE && command != SW_SHOWMINIMIZED && command != SW_SHOWNOACTIVATE)
        SetActiveWindow(window);
    InvalidateTree(window);
    return wasVisible;
}

bool WindowSystem::IsWindowVisible(HWND window) const {
    for (const Window* w = Find(window); w; w = w->Child() ? Find(w->parent) : nullptr) {
        if (!(w->style & WS_VISIBLE))
            return false;
        if (!w->Child())
            return true;
    }
    return false;
}

bool WindowSystem::IsIconic(HWND window) const {
    const Window* w = Find(window);
    return w && w->minimized;
}

bool WindowSystem::IsZoomed(HWND window) const {
    const Window* w = Find(window);
    return w && w->maximized;
}

bool WindowSystem::EnableWindow(HWND window, bool enable) {
    Window* w = Find(window);
    if (!w)
        return false;
    const bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable)
        return wasDisabled;
    if (enable)
        w->style &= ~WS_DISABLED;
    else
        w->style |= WS_DISABLED;
    if (!enable && captureWindow && GetRoot(captureWindow) == GetRoot(window))
        ReleaseCapture();
    CallProc(window, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

bool WindowSystem::IsWindowEnabled(HWND window) const {
    const Window* w = Find(window);
    return w && !(w->style & WS_DISABLED);
}

bool WindowSystem::SetWindowText(HWND window, const std::string& text) {
    Window* w = Find(window);
    if (!w)
        return false;
    w->text = text;
    if (!w->Child())
        backend->SetNativeText(window, text);
    return true;
}

std::string WindowSystem::GetWindowText(HWND window) const {
    const Window* w = Find(window);
    return w ? w->text : std::string();
}

bool WindowSystem::GetClientRect(HWND window, RECT& rect) const {
    const Window* w = Find(window);
    if (!w)
        return false;
    // A minimised window has no client area; its rectangle is kept for the restore.
    if (w->minimized)
        rect = {};
    else
        rect = {0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    return true;
}

bool WindowSystem::GetWindowRect(HWND window, RECT& rect) const {
    const Window* w = Find(window);
    if (!w)
        return false;
    POINT origin{0, 0};
    ClientToScreen(window, origin);
    rect = {origin.x, origin.y, origin.x + w->rect.right - w->rect.left,
            origin.y + w->rect.bottom - w->rect.top};
    return true;
}

bool WindowSystem::SetWindowPos(HWND window, int x, int y, int width, int height, UINT flags) {
    Window* w = Find(window);
    if (!w)
        return false;
    RECT rect = w->rect;
    if (!(flags & SWP_NOMOVE))
        rect = Offset(rect, x - rect.left, y - rect.top);
    if (!(flags & SWP_NOSIZE)) {
        rect.right = rect.left + std::max(width, 0);
        rect.bottom = rect.top + std::max(height, 0);
    }
    const bool redraw = !(flags & SWP_NOREDRAW);
    if (w->Child() && redraw && IsWindowVisible(window))
        InvalidateParentArea(*w);
    if (!w->Child()) {
        w->maximized = false;
        backend->MoveNative(window, rect);
    }
    Resize(window, rect, std::nullopt);
    if ((w = Find(window)) && redraw)
        InvalidateTree(window);
    if (flags & SWP_SHOWWINDOW)
        ShowWindow(window, SW_SHOWNOACTIVATE);
    if (flags & SWP_HIDEWINDOW)
        ShowWindow(window, SW_HIDE);
    return true;
}

// Sets the rectangle and sends WM_SIZE when the size or the kind changed.
bool WindowSystem::Resize(HWND window, const RECT& rect, std::optional<WPARAM> kind) {
    Window* w = Find(window);
    if (!w)
        return false;
    const bool sizeChanged = rect.right - rect.left != w->rect.right - w->rect.left ||
                             rect.bottom - rect.top != w->rect.bottom - w->rect.top;
    w->rect = rect;
    if (!sizeChanged && !kind)
        return false;
    const WPARAM sizeKind = kind.value_or(w->maximized ? SIZE_MAXIMIZED : SIZE_RESTORED);
    const LPARAM size = sizeKind == SIZE_MINIMIZED
                            ? 0
                            : MAKELPARAM(static_cast<uint32_t>(rect.right - rect.left),
                                         static_cast<uint32_t>(rect.bottom - rect.top));
    CallProc(window, WM_SIZE, sizeKind, size);
    return true;
}

bool WindowSystem::ClientToScreen(HWND window, POINT& point) const {
    const Window* w = Find(window);
    if (!w)
        return false;
    for (; w; w = w->Child() ? Find(w->parent) : nullptr) {
        point.x += w->rect.left;
        point.y += w->rect.top;
        if (!w->Child())
            break;
    }
    return true;
}

bool WindowSystem::ScreenToClient(HWND window, POINT& point) const {
    POINT origin{0, 0};
    if (!ClientToScreen(window, origin))
        return false;
    point.x -= origin.x;
    point.y -= origin.y;
    return true;
}

HWND WindowSystem::SetActiveWindow(HWND window) {
    const HWND previous = activeWindow;
    const HWND root = GetRoot(window);
    if (root)
        activeWindow = root;
    return previous;
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
    queue.push_back(msg);
    return true;
}

void WindowSystem::PostQuitMessage(int exitCode) { quitCode = exitCode; }

HWND WindowSystem::FirstInvalid(HWND window) const {
    const Window* w = Find(window);
    if (!w || !(w->style & WS_VISIBLE))
        return nullptr;
    if (w->invalid)
        return window;
    for (HWND c : w->children)
        if (const HWND found = FirstInvalid(c))
            return found;
    return nullptr;
}

std::optional<int> WindowSystem::NextTimerDelay() {
    std::optional<int> delay;
    const uint32_t now = backend->Now();
    for (const auto& [id, w] : windows)
        for (const auto& [timerId, timer] : w->timers) {
            const int32_t left = static_cast<int32_t>(timer.due - now);
            const int d = std::max(left, 0);
            if (!delay || d < *delay)
                delay = d;
        }
    return delay;
}

std::optional<MSG> WindowSystem::TakeMessage(bool remove) {
    if (!queue.empty()) {
        const MSG msg = queue.front();
        if (remove)
            queue.pop_front();
        return msg;
    }
    if (quitCode) {
        MSG msg;
        msg.message = WM_QUIT;
        msg.wParam = static_cast<WPARAM>(*quitCode);
        msg.time = backend->Now();
        if (remove)
            quitCode.reset();
        return msg;
    }
    for (const auto& [id, w] : windows) {
        if (w->Child() || w->minimized)
            continue;
        if (const HWND invalid = FirstInvalid(w->handle)) {
            MSG msg;
            msg.hwnd = invalid;
            msg.message = WM_PAINT;
            msg.time = backend->Now();
            return msg;   // stays due until the window is validated
        }
    }
    const uint32_t now = backend->Now();
    Window* dueWindow = nullptr;
    UINT_PTR dueId = 0;
    int32_t mostLate = -1;
    for (const auto& [id, w] : windows)
        for (const auto& [timerId, timer] : w->timers) {
            const int32_t late = static_cast<int32_t>(now - timer.due);
            if (late > mostLate) {
                mostLate = late;
                dueWindow = w.get();
                dueId = timerId;
            }
        }
    if (dueWindow && mostLate >= 0) {
        TimerEntry& timer = dueWindow->timers[dueId];
        if (remove) {
            timer.due += timer.elapse;
            if (static_cast<int32_t>(timer.due - now) <= 0)
                timer.due = now + timer.elapse;
        }
        MSG msg;
        msg.hwnd = dueWindow->handle;
        msg.message = WM_TIMER;
        msg.wParam = dueId;
        msg.time = now;
        return msg;
    }
    return std::nullopt;
}

bool WindowSystem::GetMessage(MSG& msg, bool wait, bool remove) {
    backend->PumpEvents(0);
    for (;;) {
        if (const std::optional<MSG> taken = TakeMessage(remove)) {
            msg = *taken;
            return true;
        }
        if (!wait)
            return false;
        backend->PumpEvents(NextTimerDelay().value_or(-1));
    }
}

UINT_PTR WindowSystem::SetTimer(HWND window, UINT_PTR id, UINT elapseMs) {
    Window* w = Find(window);
    if (!w || id == 0)
        return 0;
    const UINT elapse = std::max<UINT>(elapseMs, 10);
    w->timers[id] = TimerEntry{elapse, backend->Now() + elapse};
    return id;
}

bool WindowSystem::KillTimer(HWND window, UINT_PTR id) {
    Window* w = Find(window);
    if (!w)
        return false;
    std::erase_if(queue, [&](const MSG& m) {
        return m.hwnd == window && m.message == WM_TIMER && m.wParam == id;
    });
    return w->timers.erase(id) > 0;
}

HWND WindowSystem::SetCapture(HWND window) {
    const HWND previous = captureWindow;
    if (!Find(window))
        return previous;
    if (previous && previous != window)
        CallProc(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
    captureWindow = window;
    backend->CaptureMouse(true);
    return previous;
}

bool WindowSystem::ReleaseCapture() {
    const HWND previous = captureWindow;
    captureWindow = nullptr;
    backend->CaptureMouse(false);
    if (previous)
        CallProc(previous, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HCURSOR WindowSystem::SetCursor(HCURSOR cursor) {
    const HCURSOR previous = currentCursor;
    currentCursor = cursor;
    backend->ShowCursorShape(cursor == LoadCursor(SystemCursor::Wait) ? SystemCursor::Wait
                                                                      : SystemCursor::Arrow);
    return previous;
}

POINT WindowSystem::ClientOriginInRoot(const Window& window) const {
    POINT origin{0, 0};
    for (const Window* w = &window; w && w->Child(); w = Find(w->parent)) {
        origin.x += w->rect.left;
        origin.y += w->rect.top;
    }
    return origin;
}

// The part of the window's client area that shows, in its top-level window's client
// coordinates: clipped by every ancestor, less the visible children of a WS_CLIPCHILDREN window
// and the visible later siblings of each WS_CLIPSIBLINGS window on the way up.
WindowSystem::Region WindowSystem::VisibleRegion(const Window& window) const {
    if (!IsWindowVisible(window.handle))
        return {};
    const Window* root = Find(GetRoot(window.handle));
    if (!root || root->minimized)
        return {};
    const POINT origin = ClientOriginInRoot(window);
    Region region{Offset({0, 0, window.rect.right - window.rect.left,
                          window.rect.bottom - window.rect.top},
                         origin.x, origin.y)};
    if (window.style & WS_CLIPCHILDREN)
        for (HWND c : window.children) {
            const Window* child = Find(c);
            if (child && (child->style & WS_VISIBLE))
                Subtract(region, Offset(child->rect, origin.x, origin.y));
        }
    for (const Window* w = &window; w->Child();) {
        const Window* parent = Find(w->parent);
        if (!parent)
            break;
        const POINT parentOrigin = ClientOriginInRoot(*parent);
        Clip(region, Offset({0, 0, parent->rect.right - parent->rect.left,
                             parent->rect.bottom - parent->rect.top},
                            parentOrigin.x, parentOrigin.y));
        if (w->style & WS_CLIPSIBLINGS) {
            const auto self = std::find(parent->children.begin(), parent->children.end(), w->handle);
            for (auto it = self == parent->children.end() ? self : self + 1;
                 it != parent->children.end(); ++it) {
                const Window* sibling = Find(*it);
                if (sibling && (sibling->style & WS_VISIBLE))
                    Subtract(region, Offset(sibling->rect, parentOrigin.x, parentOrigin.y));
            }
        }
        w = parent;
    }
    return region;
}

void WindowSystem::InvalidateTree(HWND window) {
    Window* w = Find(window);
    if (!w)
        return;
    w->invalid = true;
    w->eraseNeeded = true;
    w->invalidRect = {0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    for (HWND c : w->children)
        InvalidateTree(c);
}

// What a child window covered shows its parent again.
void WindowSystem::InvalidateParentArea(const Window& window) {
    if (!window.Child())
        return;
    Window* parent = Find(window.parent);
    if (!parent)
        return;
    parent->invalid = true;
    parent->eraseNeeded = true;
    parent->invalidRect = Union(parent->invalidRect, window.rect);
    for (HWND c : parent->children)
        if (c != window.handle) {
            const Window* sibling = Find(c);
            if (sibling && !IsEmpty(Intersect(sibling->rect, window.rect)))
                InvalidateTree(c);
        }
}

HDC WindowSystem::BeginPaint(HWND window, PAINTSTRUCT& paint) {
    Window* w = Find(window);
    paint = PAINTSTRUCT{};
    if (!w)
        return nullptr;
    paint.rcPaint = w->invalid ? w->invalidRect : RECT{};
    const bool erase = w->eraseNeeded;
    w->invalid = false;
    w->eraseNeeded = false;
    w->invalidRect = {};
    paintClips[HandleValue(window)] = paint.rcPaint;
    paint.hdc = reinterpret_cast<HDC>(HandleValue(window) | kPaintDcTag);
    if (erase)
        paint.fErase = CallProc(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint.hdc), 0) == 0;
    return paint.hdc;
}

bool WindowSystem::EndPaint(HWND window, const PAINTSTRUCT&) {
    paintClips.erase(HandleValue(window));
    return true;
}

HDC WindowSystem::GetDC(HWND window) {
    if (!Find(window))
        return nullptr;
    return reinterpret_cast<HDC>(HandleValue(window) | kWindowDcTag);
}

int WindowSystem::ReleaseDC(HWND window, HDC dc) { return WindowFromDC(dc) == window ? 1 : 0; }

HWND WindowSystem::WindowFromDC(HDC dc) const {
    const HWND window = ToHwnd(HandleValue(dc) & ~(kHandleStep - 1));
    return Find(window) ? window : nullptr;
}

void WindowSystem::Present(HWND window, const RECT& clientRect, const PixelBuffer* source,
                           POINT srcOrigin, uint32_t fill) {
    const Window* w = Find(window);
    if (!w)
        return;
    Region region = VisibleRegion(*w);
    const POINT origin = ClientOriginInRoot(*w);
    Clip(region, Offset(clientRect, origin.x, origin.y));
    if (region.empty())
        return;
    // Rectangle point p shows source point p - offset.
    const POINT offset{origin.x + clientRect.left - srcOrigin.x,
                       origin.y + clientRect.top - srcOrigin.y};
    backend->Present(GetRoot(window), region, source, offset, fill);
}

bool WindowSystem::BitBlt(HDC dc, int x, int y, int width, int height, const PixelBuffer& source,
                          int srcX, int srcY) {
    const HWND window = WindowFromDC(dc);
    if (!window || !source.pixels || width <= 0 || height <= 0)
        return false;
    RECT rect{x, y, x + width, y + height};
    // Only the buffer's own pixels can be copied.
    const RECT sourceArea = Offset({0, 0, source.width, source.height}, x - srcX, y - srcY);
    rect = Intersect(rect, sourceArea);
    if (HandleValue(dc) & kPaintDcTag) {
        const auto clip = paintClips.find(HandleValue(window));
        if (clip != paintClips.end())
            rect = Intersect(rect, clip->second);
    }
    if (!IsEmpty(rect))
        Present(window, rect, &source, {rect.left - (x - srcX), rect.top - (y - srcY)}, 0);
    return true;
}

bool WindowSystem::FillRect(HDC dc, const RECT& rect, uint32_t argb) {
    const HWND window = WindowFromDC(dc);
    if (!window)
        return false;
    RECT area = rect;
    if (HandleValue(dc) & kPaintDcTag) {
        const auto clip = paintClips.find(HandleValue(window));
        if (clip != paintClips.end())
            area = Intersect(area, clip->second);
    }
    if (!IsEmpty(area))
        Present(window, area, nullptr, {0, 0}, argb);
    return true;
}

bool WindowSystem::InvalidateRect(HWND window, const RECT* rect, bool erase) {
    Window* w = Find(window);
    if (!w)
        return false;
    const RECT client{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    const RECT area = rect ? Intersect(*rect, client) : client;
    if (IsEmpty(area))
        return true;
    w->invalid = true;
    w->eraseNeeded = w->eraseNeeded || erase;
    w->invalidRect = Union(w->invalidRect, area);
    return true;
}

bool WindowSystem::ValidateRect(HWND window, const RECT*) {
    Window* w = Find(window);
    if (!w)
        return false;
    w->invalid = false;
    w->eraseNeeded = false;
    w->invalidRect = {};
    return true;
}

bool WindowSystem::UpdateWindow(HWND window) {
    const Window* w = Find(window);
    if (!w)
        return false;
    if (w->invalid && IsWindowVisible(window))
        CallProc(window, WM_PAINT, 0, 0);
    return true;
}

HWND WindowSystem::MouseTarget(HWND topLevel, POINT client) const {
    if (captureWindow)
        return captureWindow;
    const Window* w = Find(topLevel);
    if (!w || !(w->style & WS_VISIBLE) || (w->style & WS_DISABLED))
        return nullptr;
    POINT p = client;
    for (;;) {
        const Window* hit = nullptr;
        for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) {
            const Window* c = Find(*it);
            if (c && (c->style & WS_VISIBLE) && p.x >= c->rect.left && p.x < c->rect.right &&
                p.y >= c->rect.top && p.y < c->rect.bottom) {
                hit = c;
                break;
            }
        }
        if (!hit)
            return w->handle;
        if (hit->style & WS_DISABLED)
            return nullptr;
        p.x -= hit->rect.left;
        p.y -= hit->rect.top;
        w = hit;
    }
}

void WindowSystem::QueueMouse(HWND target, UINT message, POINT rootClient, HWND root) {
    POINT screen = rootClient;
    ClientToScreen(root, screen);
    POINT client = screen;
    ScreenToClient(target, client);
    MSG msg;
    msg.hwnd = target;
    msg.message = message;
    msg.wParam = message == WM_LBUTTONDOWN ? MK_LBUTTON : 0;
    msg.lParam = MAKELPARAM(static_cast<uint32_t>(client.x), static_cast<uint32_t>(client.y));
    msg.time = backend->Now();
    msg.pt = screen;
    queue.push_back(msg);
}

void WindowSystem::OnNativeMouse(HWND topLevel, UINT message, POINT client) {
    if (!Find(topLevel))
        return;
    const HWND target = MouseTarget(topLevel, client);
    if (!target)
        return;
    // A disabled window (the owner of a modal panel) gets no input, captured or not.
    for (HWND w = target; w; w = GetParent(w)) {
        if (!IsWindowEnabled(w))
            return;
        if (!(GetStyle(w) & WS_CHILD))
            break;
    }
    if (message == WM_MOUSEMOVE && !queue.empty()) {
        // Moves are coalesced like the system does: only the latest position matters.
        MSG& last = queue.back();
        if (last.message == WM_MOUSEMOVE && last.hwnd == target) {
            queue.pop_back();
        }
    }
    QueueMouse(target, message, client, topLevel);
}

void WindowSystem::OnNativeState(HWND topLevel, const RECT& screenRect, bool minimized,
                                 bool maximized) {
    Window* w = Find(topLevel);
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
    const bool sized = Resize(topLevel, screenRect,
                              stateChanged ? std::optional<WPARAM>(maximized ? SIZE_MAXIMIZED
                                                                             : SIZE_RESTORED)
                                           : std::nullopt);
    if (sized || stateChanged)
        InvalidateTree(topLevel);
}

void WindowSystem::OnNativeMoved(HWND topLevel, POINT screenOrigin) {
    Window* w = Find(topLevel);
    if (!w || w->Child())
        return;
    w->rect = Offset(w->rect, screenOrigin.x - w->rect.left, screenOrigin.y - w->rect.top);
}

void WindowSystem::OnNativeExposed(HWND topLevel) {
    if (Find(topLevel))
        InvalidateTree(topLevel);
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
