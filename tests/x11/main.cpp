// The X11 backend's tests, on the display the runner (tests/x11/run) gives them. The binary also
// plays "another application" for the clipboard and selection cases, in a child process:
//   plv_x11_tests --own SELECTION [--hang] TARGET=TEXT...   owns the selection until stdin closes
//   plv_x11_tests --read SELECTION TARGET                    prints what the owner gives
//   plv_x11_tests --window                                   shows a window of its own until
//                                                            stdin closes

#include <gtest/gtest.h>
#include <QtWidgets/QApplication>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

int Own(int argc, char** argv) {
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr || argc < 3) {
        return 2;
    }
    Atom selection = XInternAtom(d, argv[2], False);
    bool hang = false;
    std::map<Atom, std::string> values;
    for (int i = 3; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--hang") {
            hang = true;
        } else if (auto eq = a.find('='); eq != std::string::npos) {
            values[XInternAtom(d, a.substr(0, eq).c_str(), False)] = a.substr(eq + 1);
        }
    }
    Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(d, selection, w, CurrentTime);
    XSync(d, False);
    std::puts(XGetSelectionOwner(d, selection) == w ? "ready" : "refused");
    std::fflush(stdout);
    Atom targets = XInternAtom(d, "TARGETS", False);
    pollfd fds[2] = {{0, POLLIN, 0}, {ConnectionNumber(d), POLLIN, 0}};
    for (;;) {
        while (XPending(d) > 0) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type != SelectionRequest || hang) {
                continue;
            }
            XSelectionRequestEvent& r = e.xselectionrequest;
            XEvent reply{};
            reply.xselection = {SelectionNotify, 0,        True, d,     r.requestor,
                                r.selection,     r.target, None, r.time};
            if (r.target == targets) {
                std::vector<Atom> list = {targets};
                for (auto& [atom, text] : values) {
                    list.push_back(atom);
                }
                XChangeProperty(d, r.requestor, r.property, XA_ATOM, 32, PropModeReplace,
                                reinterpret_cast<unsigned char*>(list.data()), static_cast<int>(list.size()));
                reply.xselection.property = r.property;
            } else if (auto it = values.find(r.target); it != values.end()) {
                XChangeProperty(d, r.requestor, r.property, r.target, 8, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(it->second.data()),
                                static_cast<int>(it->second.size()));
                reply.xselection.property = r.property;
            }
            XSendEvent(d, r.requestor, False, 0, &reply);
            XFlush(d);
        }
        if (poll(fds, 2, 1000) > 0 && (fds[0].revents & (POLLIN | POLLHUP)) != 0) {
            char c;
            if (read(0, &c, 1) <= 0) {
                break;  // the test let us go
            }
        }
    }
    XCloseDisplay(d);
    return 0;
}

int ReadFrom(Display* d, char** argv) {
    Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    Atom property = XInternAtom(d, "PLV_TEST", False);
    XConvertSelection(d, XInternAtom(d, argv[2], False), XInternAtom(d, argv[3], False), property, w,
                      CurrentTime);
    XFlush(d);
    for (int waited = 0; waited < 5000; waited += 10) {
        XEvent e;
        if (XCheckTypedWindowEvent(d, w, SelectionNotify, &e)) {
            if (e.xselection.property == None) {
                return 1;
            }
            Atom type = 0;
            int format = 0;
            unsigned long n = 0;
            unsigned long after = 0;
            unsigned char* data = nullptr;
            XGetWindowProperty(d, w, property, 0, 1 << 20, True, AnyPropertyType, &type, &format, &n, &after,
                               &data);
            if (data != nullptr) {
                std::fwrite(data, 1, n, stdout);
                XFree(data);
            }
            return 0;
        }
        usleep(10000);
    }
    return 3;
}

int Read(int argc, char** argv) {
    Display* d = argc < 4 ? nullptr : XOpenDisplay(nullptr);
    if (d == nullptr) {
        return 2;
    }
    int code = ReadFrom(d, argv);
    XCloseDisplay(d);
    return code;
}

// A window of an application, with its process id as window managers expect it; "ready" once
// the window manager has put it on the screen.
int ShowWindow() {
    Display* d = XOpenDisplay(nullptr);
    if (d == nullptr) {
        return 2;
    }
    Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 200, 200, 300, 150, 0, 0, 0xffffff);
    long pid = getpid();
    XChangeProperty(d, w, XInternAtom(d, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&pid), 1);
    XSelectInput(d, w, StructureNotifyMask);
    XMapWindow(d, w);
    for (XEvent e;;) {
        XNextEvent(d, &e);
        if (e.type == MapNotify) {
            break;
        }
    }
    std::puts("ready");
    std::fflush(stdout);
    char c;
    while (read(0, &c, 1) > 0) {
    }
    XCloseDisplay(d);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--own") == 0) {
        return Own(argc, argv);
    }
    if (argc > 1 && std::strcmp(argv[1], "--read") == 0) {
        return Read(argc, argv);
    }
    if (argc > 1 && std::strcmp(argv[1], "--window") == 0) {
        return ShowWindow();
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication qt(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
