// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/X11WindowSearch.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>
#include <vector>

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

template <class T>
struct XFreer {
    void operator()(T* data) const { XFree(data); }
};

// Windows go while we look (BadWindow); such an error only means "not that window".
int IgnoreError(Display*, XErrorEvent*) { return 0; }

// Installs IgnoreError for its lifetime and puts back whatever handler was there (GTK has one).
class ErrorTrap {
public:
    explicit ErrorTrap(Display* display) : display(display), previous(XSetErrorHandler(IgnoreError)) {}
    ~ErrorTrap() {
        XSync(display, False);   // errors of our requests arrive before the handler goes
        XSetErrorHandler(previous);
    }
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

private:
    Display* display;
    int (*previous)(Display*, XErrorEvent*);
};

enum class ClassMatch { NoClass, OtherClass, SameClass };

// Whether the window has a WM_CLASS, and whether either of its parts is the class name.
ClassMatch MatchClass(Display* display, Window window, const std::string& className) {
    XClassHint hint{};
    if (!XGetClassHint(display, window, &hint))
        return ClassMatch::NoClass;
    const bool same = (hint.res_name && className == hint.res_name) || (hint.res_class && className == hint.res_class);
    XFree(hint.res_name);
    XFree(hint.res_class);
    return same ? ClassMatch::SameClass : ClassMatch::OtherClass;
}

// A window manager puts each client into a frame of its own, sometimes inside one more
// wrapper; the client is found within this many levels below the root.
constexpr int kClientDepth = 3;

bool FindBelow(Display* display, Window parent, const std::string& className, int depth) {
    Window root = 0, ignored = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &ignored, &children, &count))
        return false;
    const std::unique_ptr<Window, XFreer<Window>> owned(children);
    // A window with a class is a client, and what lies inside it is its own; frames have none.
    std::vector<Window> frames;
    for (unsigned int i = 0; i < count; ++i) {
        const ClassMatch match = MatchClass(display, children[i], className);
        if (match == ClassMatch::SameClass)
            return true;
        if (match == ClassMatch::NoClass)
            frames.push_back(children[i]);
    }
    if (depth + 1 >= kClientDepth)
        return false;
    for (const Window frame : frames) {
        if (FindBelow(display, frame, className, depth + 1))
            return true;
    }
    return false;
}

}   // namespace

bool X11TopLevelWindowOfClassExists(const std::string& className) {
    const std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display)
        return false;
    const ErrorTrap trap(display.get());
    for (int screen = 0; screen < ScreenCount(display.get()); ++screen) {
        if (FindBelow(display.get(), RootWindow(display.get(), screen), className, 0))
            return true;
    }
    return false;
}
