// SPDX-License-Identifier: GPL-3.0-or-later
// soak_probe: what the soak asks of the X display besides input.
//
//   soak_probe windows        one line per visible top-level window, top last:
//                             id x y width height pid role class name
//                             and, while a scene is up in the game's window
//                             (its role "NAME@x,y,w,h"), one more line for
//                             that scene, with the window's id
//   soak_probe ping ID MS     exit 0 when the client of window ID answers a
//                             _NET_WM_PING within MS milliseconds, 1 if not
//   soak_probe close ID       asks window ID to close, as a window manager's
//                             close box does (WM_DELETE_WINDOW)
//
// A client blocked in a wait or a loop does not answer the ping; the X
// server itself still does, which is why the game is pinged, not queried.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string TextProperty(Display* display, Window window, const char* name) {
    const Atom atom = XInternAtom(display, name, False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, atom, 0, 256, False, AnyPropertyType, &type, &format,
                           &count, &after, &data) != Success ||
        !data)
        return "-";
    std::string text;
    if (format == 8) text.assign(reinterpret_cast<char*>(data), count);
    XFree(data);
    // Fields are separated by blanks; WM_CLASS holds two strings.
    for (char& c : text)
        if (c == ' ' || c == '\0' || c == '\n' || c == '\t') c = '_';
    while (!text.empty() && text.back() == '_') text.pop_back();
    return text.empty() ? "-" : text;
}

long CardinalProperty(Display* display, Window window, const char* name) {
    const Atom atom = XInternAtom(display, name, False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, atom, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) != Success ||
        !data)
        return 0;
    const long value = count == 1 && format == 32 ? *reinterpret_cast<long*>(data) : 0;
    XFree(data);
    return value;
}

int ListWindows(Display* display) {
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count)) return 1;
    for (unsigned int i = 0; i < count; ++i) {  // bottom to top
        XWindowAttributes a;
        if (!XGetWindowAttributes(display, children[i], &a) || a.map_state != IsViewable) continue;
        if (a.width < 8 || a.height < 8) continue;  // tool tips' shadows and the like
        const long pid = CardinalProperty(display, children[i], "_NET_WM_PID");
        const std::string role = TextProperty(display, children[i], "WM_WINDOW_ROLE");
        const std::string cls = TextProperty(display, children[i], "WM_CLASS");
        const std::string name = TextProperty(display, children[i], "WM_NAME");
        const std::size_t at = role.find('@');
        int sx = 0, sy = 0, sw = 0, sh = 0;
        const bool scene = at != std::string::npos &&
                           std::sscanf(role.c_str() + at + 1, "%d,%d,%d,%d", &sx, &sy, &sw, &sh) == 4;
        std::printf("%lu %d %d %d %d %ld %s %s %s\n", children[i], a.x, a.y, a.width, a.height, pid,
                    scene ? "TMainForm" : role.c_str(), cls.c_str(), name.c_str());
        if (scene)
            std::printf("%lu %d %d %d %d %ld %s %s %s\n", children[i], a.x + sx, a.y + sy, sw, sh, pid,
                        role.substr(0, at).c_str(), cls.c_str(), name.c_str());
    }
    if (children) XFree(children);
    return 0;
}

void SendProtocol(Display* display, Window window, Atom protocol, long data) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(protocol);
    event.xclient.data.l[1] = data;
    event.xclient.data.l[2] = static_cast<long>(window);
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

int Close(Display* display, Window window) {
    SendProtocol(display, window, XInternAtom(display, "WM_DELETE_WINDOW", False), CurrentTime);
    XSync(display, False);
    return 0;
}

int Ping(Display* display, Window window, int milliseconds) {
    const Window root = DefaultRootWindow(display);
    // Clients answer on the root window, to those that watch its structure.
    XSelectInput(display, root, StructureNotifyMask);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    const long token = static_cast<long>(std::chrono::steady_clock::now().time_since_epoch().count() & 0x7fffffff);
    SendProtocol(display, window, ping, token);

    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        while (XPending(display)) {
            XEvent answer;
            XNextEvent(display, &answer);
            if (answer.type == ClientMessage && answer.xclient.message_type == protocols &&
                static_cast<Atom>(answer.xclient.data.l[0]) == ping && answer.xclient.data.l[1] == token)
                return 0;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              end - std::chrono::steady_clock::now()).count();
        if (left <= 0) return 1;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "soak_probe: no display\n");
        return 2;
    }
    int result = 2;
    if (argc == 2 && std::strcmp(argv[1], "windows") == 0) {
        result = ListWindows(display);
    } else if (argc == 4 && std::strcmp(argv[1], "ping") == 0) {
        result = Ping(display, std::strtoul(argv[2], nullptr, 0), std::atoi(argv[3]));
    } else if (argc == 3 && std::strcmp(argv[1], "close") == 0) {
        result = Close(display, std::strtoul(argv[2], nullptr, 0));
    } else {
        std::fprintf(stderr, "usage: soak_probe windows | ping WINDOW MS | close WINDOW\n");
    }
    XCloseDisplay(display);
    return result;
}
