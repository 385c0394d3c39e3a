// SPDX-License-Identifier: GPL-3.0-or-later
// Chores of the pack remover's end-to-end test that the shell cannot do by itself:
//   write-pack FILE NAME IDS      writes a pack file the way the library reads it
//   hold-class CLASS              holds a live window's registry mark until killed
//   hold-x-window CLASS           shows an X window of that WM_CLASS inside a frame, as a window
//                                 manager would, without a registry mark, until killed
//   screenshot OUT.png X Y W H    saves a rectangle of the screen
//   close-window XID              asks a window to close, as its close box does

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "library/LibraryWriter.h"
#include "platform/WindowClassLock.h"

namespace {

int WritePack(char** args) {
    LibraryWriter::WritePropertyFile(args[0], {{"Name", args[1]}, {"Puzzles", args[2]}},
                                     LibraryWriter::Existing::Replace);
    return 0;
}

int HoldClass(const char* className) {
    const WindowClassLock lock(className);
    if (!lock.Held())
        return 1;
    std::puts("held");
    std::fflush(stdout);
    for (;;)
        ::pause();
}

int HoldXWindow(const char* className) {
    const std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
    if (!display)
        return 1;
    const Window root = DefaultRootWindow(display.get());
    const Window frame = XCreateSimpleWindow(display.get(), root, 0, 0, 200, 150, 0, 0, 0);
    const Window client = XCreateSimpleWindow(display.get(), frame, 0, 20, 200, 130, 0, 0, 0);
    std::string instance = "game";
    std::string windowClass = className;
    XClassHint hint{instance.data(), windowClass.data()};
    XSetClassHint(display.get(), client, &hint);
    XMapWindow(display.get(), client);
    XMapWindow(display.get(), frame);
    XSync(display.get(), False);
    std::puts("held");
    std::fflush(stdout);
    for (;;)
        ::pause();
}

int Screenshot(char** args) {
    if (!gdk_init_check(nullptr, nullptr))
        return 1;
    const std::unique_ptr<GdkPixbuf, void (*)(gpointer)> image(
        gdk_pixbuf_get_from_window(gdk_get_default_root_window(), std::atoi(args[1]), std::atoi(args[2]),
                                   std::atoi(args[3]), std::atoi(args[4])),
        g_object_unref);
    return image && gdk_pixbuf_save(image.get(), args[0], "png", nullptr, nullptr) ? 0 : 1;
}

int CloseWindow(const char* windowId) {
    const std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
    if (!display)
        return 1;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = std::strtoul(windowId, nullptr, 0);
    event.xclient.message_type = XInternAtom(display.get(), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = XInternAtom(display.get(), "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display.get(), event.xclient.window, False, NoEventMask, &event);
    XSync(display.get(), False);
    return 0;
}

}   // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "write-pack" && argc == 5)
        return WritePack(argv + 2);
    if (command == "hold-class" && argc == 3)
        return HoldClass(argv[2]);
    if (command == "hold-x-window" && argc == 3)
        return HoldXWindow(argv[2]);
    if (command == "screenshot" && argc == 7)
        return Screenshot(argv + 2);
    if (command == "close-window" && argc == 3)
        return CloseWindow(argv[2]);
    std::fprintf(stderr, "usage: %s write-pack|hold-class|hold-x-window|screenshot|close-window ...\n", argv[0]);
    return 2;
}
