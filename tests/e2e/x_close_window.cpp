// Asks a window to close the way a window manager's close box does: a
// WM_PROTOCOLS client message carrying WM_DELETE_WINDOW. xdotool can only
// destroy a window or kill its client, which skips the program's exit code.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>

namespace {

bool xErrorSeen = false;

int ReportXError(Display* display, XErrorEvent* error) {
    char text[256] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "x_close_window: X error: %s\n", text);
    xErrorSeen = true;
    return 0;
}

// A window manager sends WM_DELETE_WINDOW only to windows that ask for it.
bool TakesDeleteWindow(Display* display, Window window, Atom deleteWindow) {
    Atom* protocols = nullptr;
    int count = 0;
    if (!XGetWMProtocols(display, window, &protocols, &count))
        return false;
    bool found = false;
    for (int i = 0; i < count; ++i)
        found = found || protocols[i] == deleteWindow;
    XFree(protocols);
    return found;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: x_close_window WINDOW-ID\n");
        return 2;
    }
    char* end = nullptr;
    const unsigned long id = std::strtoul(argv[1], &end, 0);
    if (end == argv[1] || *end != '\0' || id == 0) {
        std::fprintf(stderr, "x_close_window: not a window id: %s\n", argv[1]);
        return 2;
    }

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x_close_window: cannot open display %s\n", XDisplayName(nullptr));
        return 1;
    }
    XSetErrorHandler(ReportXError);

    const Window window = id;
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    if (!TakesDeleteWindow(display, window, deleteWindow)) {
        std::fprintf(stderr, "x_close_window: window 0x%lx does not take WM_DELETE_WINDOW\n", id);
        XCloseDisplay(display);
        return 1;
    }

    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(deleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
    // Waits for the server, so a window that vanished meanwhile is reported.
    XSync(display, False);
    XCloseDisplay(display);
    if (!sent || xErrorSeen) {
        std::fprintf(stderr, "x_close_window: could not send WM_DELETE_WINDOW to 0x%lx\n", id);
        return 1;
    }
    return 0;
}
