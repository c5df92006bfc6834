#pragma once
// The X11 backend: the seam's interfaces over Qt Widgets (the program's own windows, the tray,
// the event loop) and Xlib with XInput2, XFixes, XRandR and XTest (the desktop of other
// applications, and the clipboard, which needs bounded waits that QClipboard does not offer). Each operation
// is the call its comment names. Everything runs on the one thread of the Qt event loop.

#include <QtCore/QPointer>

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/devtools/linux_chromium.h"

#include "platform/platform.h"

class QApplication;
class QTimer;
class QSocketNotifier;
class QSystemTrayIcon;

// Xlib's types, declared here so that the program-facing header does not pull in Xlib's macros.
struct _XDisplay;

namespace plv::x11 {

using XWindow = unsigned long;  // Xlib's Window
using XTime = unsigned long;    // Xlib's Time

class X11Loop : public EventLoop {
  public:
    X11Loop();
    ~X11Loop() override;
    // A QTimer per timer.
    TimerId CreateTimer(const std::string& name, std::function<void()> onTick) override;
    // QTimer::start(ms) / QTimer::stop.
    void SetTimer(TimerId id, std::uint32_t intervalMs, bool enabled) override;
    // QTimer::stop and the callback released.
    void DestroyTimer(TimerId id) override;
    // QCoreApplication::processEvents.
    void PumpMessages() override;
    // nanosleep.
    void Sleep(std::uint32_t ms) override;
    // localtime_r of clock_gettime(CLOCK_REALTIME).
    double SecondsSinceMidnight() override;
    bool Tracing() override { return trace_ != nullptr; }
    void Trace(std::string_view step) override;

    // QApplication::exec: the program's event loop. Returns the code EndProgram gave.
    int Run();

  private:
    struct Timer;
    std::vector<std::unique_ptr<Timer>> timers_;  // by id - 1
    std::FILE* trace_ = nullptr;
};

// The desktop of the other applications, over an Xlib connection of our own: raw button events
// and selection-owner events arrive on it whatever Qt does with its own connection.
class X11Desktop : public Desktop {
  public:
    X11Desktop();
    ~X11Desktop() override;
    bool Connected() const { return display_ != nullptr; }

    Hwnd GetForegroundWindow() override;
    PointPx GetCursorPos() override;
    std::int16_t GetAsyncKeyState(int virtualKey) override;
    std::optional<RectPx> GetWindowRect(Hwnd window) override;
    std::uint32_t GetWindowProcessId(Hwnd window) override;
    std::u16string GetClassName(Hwnd window) override;
    std::optional<std::intptr_t> SendCopyMessage(Hwnd window) override;
    void KeybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
    std::uint32_t ScanCodeOf(std::uint8_t virtualKey) override;
    bool IsWindowAboveOwnIntegrity(Hwnd window) override;
    int GetSystemMetrics(int index) override;
    MonitorArea MonitorAt(PointPx at) override;
    std::int32_t DpiX() override;
    std::int32_t DpiY() override;
    std::optional<OsVersionInfo> GetVersionEx() override;
    bool SetForegroundWindow(Hwnd window) override;
    void SetActiveWindow(Hwnd window) override;
    std::optional<std::u16string> DragSelectionText() override;
    bool IsShellWindow(Hwnd window, const std::u16string& exeName) override;
    std::u16string WindowAppName(Hwnd window) override;

    // The program's own windows are placed by Qt, whose requests reach the server later: their
    // rectangles come from there, so that a move is seen at once.
    void SetOwnWindowRects(std::function<std::optional<RectPx>(Hwnd)> rectOf) {
        ownRect_ = std::move(rectOf);
    }
    // Every monitor with its work area (the monitor less the struts of the docks on it).
    std::vector<MonitorArea> Monitors();
    // Reads what has arrived on the connection (button and selection-owner events).
    void Drain();
    // SelectionOwner conversion of a selection to a target into a property of our window, waited
    // for at most timeoutMs: the bytes, or nothing when the owner refused or did not answer.
    // *timedOut tells the two apart.
    std::optional<std::vector<std::uint8_t>> ConvertSelection(const char* selection, const char* target,
                                                              int timeoutMs, bool* timedOut);
    // How often the clipboard's owner has changed (XFixes), for its sequence number.
    std::uint32_t ClipboardChanges();
    XWindow SelectionOwner(const char* selection);
    // Makes us the owner of CLIPBOARD with these targets and their bytes; false when the server
    // did not give us the selection.
    bool OwnClipboard(std::vector<std::pair<std::string, std::vector<std::uint8_t>>> targets);
    bool OwnsClipboard();
    void EmptyOwnedClipboard();
    std::string AtomName(unsigned long atom);
    _XDisplay* display() { return display_; }

  private:
    unsigned long AtomOf(const char* name);
    std::optional<std::vector<unsigned long>> CardinalProperty(XWindow window, const char* name,
                                                               const char* type);
    std::string StringProperty(XWindow window, const char* name);
    XWindow ClientOf(XWindow window);
    int PrimaryPhysicalButton();
    void WaitReadable(int ms);
    XTime ServerTime();
    void AnswerRequest(void* event);

    _XDisplay* display_ = nullptr;
    XWindow root_ = 0;
    XWindow own_ = 0;  // an unmapped window of ours, the requestor of selection conversions
    int xiOpcode_ = -1;
    int fixesEvent_ = -1;
    // Physical buttons 1..3 (X's left, middle, right): down now, and pressed since last read.
    std::array<bool, 4> down_{};
    std::array<bool, 4> latched_{};
    XTime primaryPress_ = 0;
    XTime primaryRelease_ = 0;
    XTime primaryOwnerChanged_ = 0;
    std::uint32_t clipboardChanges_ = 0;
    XWindow lastActive_ = 0;       // the active window last read, and whether a process we
    bool activeIsChilds_ = false;  // started (our browser) shows it
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> clipboard_;  // what we own
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<std::optional<RectPx>(Hwnd)> ownRect_;
};

struct QtForm;

class X11Ui : public Ui {
  public:
    explicit X11Ui(Desktop& desktop);
    ~X11Ui() override;

    Hwnd CreateForm(const FormDesign& design, WindowEvents* events) override;
    void DestroyForm(Hwnd form) override;
    void ShowWindow(Hwnd form, ShowCommand command) override;
    bool IsWindowVisible(Hwnd form) override;
    void MoveWindow(Hwnd form, RectPx bounds) override;
    bool SetWindowPos(Hwnd form, Hwnd insertAfter, std::int32_t x, std::int32_t y, std::int32_t cx,
                      std::int32_t cy, std::uint32_t flags) override;
    RectPx GetClientRect(Hwnd form) override;
    std::int32_t GetWindowLong(Hwnd form, int index) override;
    std::int32_t SetWindowLong(Hwnd form, int index, std::int32_t value) override;
    bool SetLayeredWindowAttributes(Hwnd form, Rgb colorKey, std::uint8_t alpha,
                                    std::uint32_t flags) override;
    void Repaint(Hwnd form) override;
    void SetFormBackColor(Hwnd form, Rgb color) override;

    ControlId AddControl(Hwnd form, const ControlDesign& design) override;
    void SetControlBounds(Hwnd form, ControlId control, RectTwips bounds) override;
    void SetControlText(Hwnd form, ControlId control, const std::u16string& text) override;
    void SetControlVisible(Hwnd form, ControlId control, bool visible) override;
    void SetControlForeColor(Hwnd form, ControlId control, Rgb color) override;
    void SetControlBackColor(Hwnd form, ControlId control, Rgb color) override;
    SizeTwips MeasureText(const std::u16string& text, const FontSpec& font, bool wordWrap,
                          double widthTwips) override;

    void RichSetTextEx(Hwnd form, ControlId box, const std::u16string& text, bool replaceSelection) override;
    std::u16string RichGetTextEx(Hwnd form, ControlId box, std::size_t maxChars) override;
    std::size_t RichGetTextLength(Hwnd form, ControlId box) override;
    void RichSetSelection(Hwnd form, ControlId box, std::size_t start, std::size_t length) override;
    std::pair<std::size_t, std::size_t> RichGetSelection(Hwnd form, ControlId box) override;
    void RichSetSelectionFormat(Hwnd form, ControlId box, const CharFormat& format) override;

    void SetMenu(Hwnd form, const std::vector<MenuItem>& items) override;
    void UpdateMenuItem(Hwnd form, const MenuItem& item) override;
    std::uint32_t TrackPopupMenu(Hwnd form, PointPx at) override;

    // The engine that shows the service page over the main window's browser area: told where the
    // area is, and when its window is shown, hidden, moved or resized.
    void UseBrowserEngine(devtools::LinuxChromium* engine) { engine_ = engine; }

    QtForm* Find(Hwnd form);
    // The outer rectangle of one of our forms as Qt has placed it; nothing for other windows.
    std::optional<RectPx> FormRect(Hwnd form);
    double TwipsX() const { return 1440.0 / dpiX_; }
    double TwipsY() const { return 1440.0 / dpiY_; }

  private:
    std::map<Hwnd, std::unique_ptr<QtForm>> forms_;
    // Forms whose windows are gone; kept until no handler of theirs can still be on the stack.
    std::vector<std::unique_ptr<QtForm>> gone_;
    int dpiX_ = 96;
    int dpiY_ = 96;
    devtools::LinuxChromium* engine_ = nullptr;
};

class X11Tray : public Tray {
  public:
    explicit X11Tray(X11Ui& ui) : ui_(ui) {}
    ~X11Tray() override;
    // QSystemTrayIcon: StatusNotifierItem where the desktop has a watcher, else an XEmbed icon.
    bool ShellNotifyIcon(NotifyAction action, const NotifyIconData& data) override;

  private:
    X11Ui& ui_;
    std::map<std::pair<Hwnd, std::uint32_t>, QSystemTrayIcon*> icons_;
};

std::unique_ptr<Clipboard> MakeClipboard(X11Desktop& desktop);
std::unique_ptr<Processes> MakeProcesses();
std::unique_ptr<UserStore> MakeUserStore();
// The store in a folder of the caller's (tests).
std::unique_ptr<UserStore> MakeUserStoreIn(const std::string& folder);
std::unique_ptr<Shell> MakeShell();
std::unique_ptr<ProcessEnv> MakeProcessEnv(int argc, char** argv);
std::unique_ptr<LocalService> MakeLocalService();
// The service page's engine: Debian's Chromium over its DevTools pipe.
std::unique_ptr<devtools::LinuxChromium> MakeBrowser();

// The kernel's name of a process (comm) and its parent, from /proc/PID/stat; nothing once it is
// gone.
struct ProcStat {
    std::string comm;
    std::uint32_t parent = 0;
};
std::optional<ProcStat> ReadProcStat(std::uint32_t pid);

// Whether the session offers an X display: Parlevo needs X11 (or XWayland under Wayland).
bool X11SessionAvailable();

// Everything the program is given, built in order and torn down in reverse.
class Backend {
  public:
    Backend(int argc, char** argv);
    ~Backend();
    Platform& platform() { return *platform_; }
    X11Loop& loop() { return *loop_; }

  private:
    std::unique_ptr<X11Loop> loop_;
    std::unique_ptr<X11Desktop> desktop_;
    std::unique_ptr<X11Ui> ui_;
    std::unique_ptr<devtools::LinuxChromium> browser_;
    std::unique_ptr<Clipboard> clipboard_;
    std::unique_ptr<Processes> processes_;
    std::unique_ptr<UserStore> store_;
    std::unique_ptr<X11Tray> tray_;
    std::unique_ptr<Shell> shell_;
    std::unique_ptr<ProcessEnv> env_;
    std::unique_ptr<LocalService> service_;
    std::unique_ptr<Platform> platform_;
};

}  // namespace plv::x11
