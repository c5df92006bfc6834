// plv: Parlevo on an X11 desktop.

#include <QtWidgets/QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/startup.h"
#include "core/app.h"
#include "platform/x11/x11_backend.h"

int main(int argc, char** argv) {
    // Wayland without XWayland has no X display: nothing here could watch other windows.
    if (!plv::x11::X11SessionAvailable()) {
        std::fputs(
            "Parlevo needs an X11 session (or XWayland under Wayland): no X display is set (DISPLAY).\n",
            stderr);
        return 1;
    }
    // Qt talks to the same X server as the desktop backend, whatever the session prefers.
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication qt(argc, argv);
    // The program decides when it ends, not the last window closed.
    QApplication::setQuitOnLastWindowClosed(false);
    int code = 0;
    {
        plv::x11::Backend backend(argc, argv);
        plv::App app(backend.platform());
        plv::Main(app);
        code = backend.loop().Run();
    }
    return code;
}
