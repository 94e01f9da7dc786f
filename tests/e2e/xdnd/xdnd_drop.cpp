// Drops files on a window the way a desktop file manager does: an X11 XDND drag source that
// enters, moves to a screen point, drops and answers the selection requests with a
// text/uri-list. Started by the end-to-end tests (Wine runs it as a Unix program).
// Usage: xdnd_drop X Y /unix/path...   Exit code 0 when the target finished the drop.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

Display* display;
Window source;
Atom aware, enter, position, status, drop, finished, selection, uriList, actionCopy;
std::string uris;

void sendClientMessage(Window target, Atom type, long l1, long l2, long l3, long l4) {
    XEvent e = {};
    e.xclient.type = ClientMessage;
    e.xclient.window = target;
    e.xclient.message_type = type;
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(source);
    e.xclient.data.l[1] = l1;
    e.xclient.data.l[2] = l2;
    e.xclient.data.l[3] = l3;
    e.xclient.data.l[4] = l4;
    XSendEvent(display, target, False, NoEventMask, &e);
    XFlush(display);
}

bool isAware(Window w) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    bool found = XGetWindowProperty(display, w, aware, 0, 1, False, AnyPropertyType, &type, &format, &count, &after,
                                    &data) == Success && type != None;
    if (data) XFree(data);
    return found;
}

// The deepest window under the point that takes part in XDND.
Window targetAt(int x, int y) {
    Window root = DefaultRootWindow(display), from = root, child = None, found = None;
    int tx, ty;
    while (XTranslateCoordinates(display, root, from, x, y, &tx, &ty, &child) && child != None) {
        if (isAware(child)) found = child;
        from = child;
    }
    return found;
}

void answerSelection(const XSelectionRequestEvent& r) {
    XEvent reply = {};
    reply.xselection.type = SelectionNotify;
    reply.xselection.requestor = r.requestor;
    reply.xselection.selection = r.selection;
    reply.xselection.target = r.target;
    reply.xselection.time = r.time;
    reply.xselection.property = None;
    if (r.target == uriList) {
        Atom property = r.property != None ? r.property : r.target;
        XChangeProperty(display, r.requestor, property, r.target, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(uris.data()), static_cast<int>(uris.size()));
        reply.xselection.property = property;
    }
    XSendEvent(display, r.requestor, False, NoEventMask, &reply);
    XFlush(display);
}

// Handles events for up to the given time; true when a client message of the type came.
bool pump(Atom awaited, int milliseconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < deadline) {
        while (XPending(display)) {
            XEvent e;
            XNextEvent(display, &e);
            if (e.type == SelectionRequest) answerSelection(e.xselectionrequest);
            if (e.type == ClientMessage && e.xclient.message_type == awaited) return true;
        }
        struct timespec pause = {0, 10 * 1000 * 1000};
        nanosleep(&pause, nullptr);
    }
    return false;
}

std::string fileUri(const char* path) {
    static const char hex[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(path); *p; ++p) {
        if (isalnum(*p) || strchr("/-_.~", *p)) {
            uri += static_cast<char>(*p);
        } else {
            uri += '%';
            uri += hex[*p >> 4];
            uri += hex[*p & 15];
        }
    }
    return uri + "\r\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    display = XOpenDisplay(nullptr);
    if (!display) return 3;
    const int x = atoi(argv[1]), y = atoi(argv[2]);
    for (int i = 3; i < argc; ++i) uris += fileUri(argv[i]);
    aware = XInternAtom(display, "XdndAware", False);
    enter = XInternAtom(display, "XdndEnter", False);
    position = XInternAtom(display, "XdndPosition", False);
    status = XInternAtom(display, "XdndStatus", False);
    drop = XInternAtom(display, "XdndDrop", False);
    finished = XInternAtom(display, "XdndFinished", False);
    selection = XInternAtom(display, "XdndSelection", False);
    uriList = XInternAtom(display, "text/uri-list", False);
    actionCopy = XInternAtom(display, "XdndActionCopy", False);
    source = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(display, selection, source, CurrentTime);
    Window target = targetAt(x, y);
    if (target == None) return 4;
    sendClientMessage(target, enter, 5L << 24, static_cast<long>(uriList), 0, 0);
    pump(None, 500);  // the target reads the data while it enters
    sendClientMessage(target, position, 0, (static_cast<long>(x) << 16) | y, CurrentTime, static_cast<long>(actionCopy));
    pump(status, 3000);
    sendClientMessage(target, drop, 0, CurrentTime, 0, 0);
    const bool done = pump(finished, 10000);
    XCloseDisplay(display);
    return done ? 0 : 5;
}
