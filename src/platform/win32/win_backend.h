#pragma once
// The Windows backend: the seam's interfaces over user32, gdi32, shell32 and the rest. Each
// operation is the call its comment in platform.h names, plus only what Windows itself forces.
// Everything runs on the one user-interface thread.

#include "platform/win32/win_api.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/win_text.h"
#include "platform/win32/win_trace.h"

namespace plv::win {

inline HWND ToHwnd(Hwnd h) {
    return FromSeam<HWND>(h);
}

inline Hwnd FromHwnd(HWND h) {
    return ToSeam(h);
}

// Screen factors taken once: the system DPI, and twips per pixel (1440 / DPI) from it.
struct ScreenFactors {
    std::int32_t dpiX = 96;
    std::int32_t dpiY = 96;
    double TwipsX() const { return 1440.0 / dpiX; }
    double TwipsY() const { return 1440.0 / dpiY; }
    static ScreenFactors Read();
};

class WinLoop : public EventLoop {
  public:
    explicit WinLoop(WinTrace& trace);
    ~WinLoop() override;
    TimerId CreateTimer(const std::string& name, std::function<void()> onTick) override;
    void SetTimer(TimerId id, std::uint32_t intervalMs, bool enabled) override;
    void DestroyTimer(TimerId id) override;
    void PumpMessages() override;
    void Sleep(std::uint32_t ms) override;
    double SecondsSinceMidnight() override;
    bool Tracing() override { return trace_.On(); }
    void Trace(std::string_view step) override { trace_.Line(step); }

    // GetMessageW until WM_QUIT: the program's message loop. Returns the quit code.
    int Run();

  private:
    static LRESULT CALLBACK TimerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void Tick(TimerId id);

    WinTrace& trace_;
    HWND window_ = nullptr;
    std::vector<std::function<void()>> ticks_;  // by id - 1; empty once destroyed
    std::vector<std::string> names_;
    std::vector<bool> destroyed_;
    bool quit_ = false;
    int quitCode_ = 0;
};

class WinDesktop : public Desktop {
  public:
    explicit WinDesktop(const ScreenFactors& f) : factors_(f) {}
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
    std::int32_t DpiX() override { return factors_.dpiX; }
    std::int32_t DpiY() override { return factors_.dpiY; }
    std::optional<OsVersionInfo> GetVersionEx() override;
    bool SetForegroundWindow(Hwnd window) override;
    void SetActiveWindow(Hwnd window) override;
    std::optional<std::u16string> DragSelectionText() override { return std::nullopt; }
    bool IsShellWindow(Hwnd /*window*/, const std::u16string& exeName) override {
        return exeName == u"explorer.exe";
    }
    std::u16string WindowAppName(Hwnd /*window*/) override { return {}; }

  private:
    ScreenFactors factors_;
};

class BrowserEngine;

// The program's Browser: the engine the settings chose, and the main form's browser area that it
// shows in. Until an engine is chosen, and with "none", there is no page at all. The program
// chooses before it makes the main form, so the engine hears of the area from its start.
class WinBrowser : public Browser {
  public:
    explicit WinBrowser(WinTrace& trace);
    ~WinBrowser() override;
    void UseEngine(const BrowserChoice& choice) override;
    std::u16string TakeProblem() override;
    void Navigate(const std::u16string& url) override;
    std::optional<std::u16string> GetElementProperty(const std::u16string& id,
                                                     const std::u16string& name) override;
    bool SetElementProperty(const std::u16string& id, const std::u16string& name,
                            const std::u16string& value) override;
    bool CallElementMethod(const std::u16string& id, const std::u16string& name) override;
    bool EngineGone() override;

    // From the forms: the browser area's window, its size, whether its form is shown, and that
    // its form has moved.
    void HostCreated(HWND host);
    void HostResized(int width, int height);
    void HostShown(bool shown);
    void HostDestroying();
    void HostMoved();

  private:
    // Traces an element operation with its round trip.
    void Traced(const char* what, const std::u16string& id, const std::u16string& name, std::int64_t since);
    // Says once that the engine attaches to a browser the user runs, and what that costs.
    void SayAttachMode(const std::u16string& address);

    WinTrace& trace_;
    std::unique_ptr<BrowserEngine> engine_;
};

struct WinControl;
struct WinForm;

class WinUi : public Ui {
  public:
    WinUi(HINSTANCE instance, const ScreenFactors& factors);
    ~WinUi() override;

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

    // The browser that a browser area (the main form's WB) shows.
    void SetBrowser(WinBrowser* browser) { browser_ = browser; }
    // For the tray: the message its notifications arrive with at the owner form.
    void SetTrayMessage(Hwnd form, UINT message);
    // A picture of the resources (icons at the size asked for, bitmaps as they are).
    HICON Icon(Picture picture, int size);
    HBITMAP Bitmap(Picture picture);

  private:
    static LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK PictureProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnFormMessage(WinForm& f, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnPictureMessage(WinControl& c, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    WinForm* Find(Hwnd form);
    WinControl* Find(Hwnd form, ControlId control);
    HFONT Font(const FontSpec& spec);
    int ToPxX(double twips) const;
    int ToPxY(double twips) const;
    void PaintLabel(WinControl& c, HDC dc, const RECT& client);
    HCURSOR HandCursor();
    HWND HiddenOwner();

    HINSTANCE instance_;
    ScreenFactors factors_;
    UINT taskbarCreated_ = 0;
    std::map<HWND, std::unique_ptr<WinForm>> forms_;
    // Forms whose windows are gone; kept until no handler of theirs can still be on the stack.
    std::vector<std::unique_ptr<WinForm>> gone_;
    std::map<std::wstring, HFONT> fonts_;
    std::map<std::pair<int, int>, HICON> icons_;
    std::map<int, HBITMAP> bitmaps_;
    HCURSOR hand_ = nullptr;
    HWND owner_ = nullptr;
    WinBrowser* browser_ = nullptr;
};

class WinTray : public Tray {
  public:
    explicit WinTray(WinUi& ui) : ui_(ui) {}
    bool ShellNotifyIcon(NotifyAction action, const NotifyIconData& data) override;

  private:
    WinUi& ui_;
};

// Everything the program is given, built in order and torn down in reverse.
class Backend {
  public:
    explicit Backend(HINSTANCE instance);
    ~Backend();
    Platform& platform() { return *platform_; }
    WinLoop& loop() { return *loop_; }

  private:
    ScreenFactors factors_;
    WinTrace trace_;
    std::unique_ptr<WinLoop> loop_;
    std::unique_ptr<WinDesktop> desktop_;
    std::unique_ptr<WinUi> ui_;
    std::unique_ptr<WinBrowser> browser_;
    std::unique_ptr<Clipboard> clipboard_;
    std::unique_ptr<Processes> processes_;
    std::unique_ptr<UserStore> store_;
    std::unique_ptr<WinTray> tray_;
    std::unique_ptr<Shell> shell_;
    std::unique_ptr<ProcessEnv> env_;
    std::unique_ptr<LocalService> service_;
    std::unique_ptr<Platform> platform_;
};

}  // namespace plv::win
