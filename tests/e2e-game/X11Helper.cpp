// SPDX-License-Identifier: GPL-3.0-or-later
// A small X11 helper for the end-to-end tests:
//   x11_helper screenshot FILE.png   the whole screen as a PNG
//   x11_helper close WINDOW          asks the window to close, as a window manager's close box
//                                    does (WM_DELETE_WINDOW), instead of destroying it
//   x11_helper pixel X Y             prints the screen colour at (X, Y) as rrggbb

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo-xlib.h>
#include <cairo.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};

int Screenshot(Display* display, const char* file) {
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const int width = DisplayWidth(display, screen), height = DisplayHeight(display, screen);
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> source(
        cairo_xlib_surface_create(display, root, DefaultVisual(display, screen), width, height));
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> image(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
    std::unique_ptr<cairo_t, ContextDeleter> cr(cairo_create(image.get()));
    cairo_set_source_surface(cr.get(), source.get(), 0, 0);
    cairo_paint(cr.get());
    return cairo_surface_write_to_png(image.get(), file) == CAIRO_STATUS_SUCCESS ? 0 : 1;
}

int Pixel(Display* display, int x, int y) {
    const Window root = DefaultRootWindow(display);
    XImage* image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return 1;
    std::printf("%06lx\n", XGetPixel(image, 0, 0) & 0xFFFFFF);
    XDestroyImage(image);
    return 0;
}

int Close(Display* display, Window window) {
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return sent ? 0 : 1;
}

}   // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: x11_helper screenshot FILE.png | close WINDOW | pixel X Y\n");
        return 2;
    }
    std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
    if (!display) {
        std::fprintf(stderr, "x11_helper: no display\n");
        return 1;
    }
    if (std::strcmp(argv[1], "screenshot") == 0)
        return Screenshot(display.get(), argv[2]);
    if (std::strcmp(argv[1], "pixel") == 0 && argc == 4)
        return Pixel(display.get(), std::atoi(argv[2]), std::atoi(argv[3]));
    if (std::strcmp(argv[1], "close") == 0)
        return Close(display.get(), static_cast<Window>(std::strtoul(argv[2], nullptr, 0)));
    std::fprintf(stderr, "x11_helper: unknown command %s\n", argv[1]);
    return 2;
}
