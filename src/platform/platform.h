#pragma once
// The seam between the program and the system it runs on.
//
// Everything the program asks of the operating system goes through the interfaces below, and
// nothing else in the program includes an OS header. Each operation stands for one Windows call
// (or a short fixed sequence of them), named in its comment, so that the Windows backend stays a
// thin layer and the simulated desktop can copy the documented Windows behaviour.
//
// Conventions:
// - Handles are opaque integers; 0 is "no handle".
// - Strings that carry user text are UTF-16 (std::u16string). Byte strings (std::string) are
//   ANSI text in the system code page, used where Windows itself hands out ANSI bytes.
// - Geometry names its unit: ...Px are screen pixels, ...Twips are twips (1/1440 inch).
// - No operation throws. A failure is reported by the return value (false, 0, nullopt).

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace plv {

using Hwnd = std::uint64_t;          // a window
using MemHandle = std::uint64_t;     // a global memory block (HGLOBAL)
using KernelHandle = std::uint64_t;  // a process or snapshot handle
using TimerId = std::uint32_t;       // a timer of the program
using ControlId = std::uint32_t;     // a control on one of the program's forms; 0 is the form itself
using Rgb = std::uint32_t;           // red + 256 * green + 65536 * blue

struct PointPx {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const PointPx&) const = default;
};

// Right and bottom are exclusive, as in a Windows RECT.
struct RectPx {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    bool operator==(const RectPx&) const = default;
};

// A monitor: its whole rectangle on the virtual screen, and its work area (the monitor less the
// taskbar and docked bars). Right and bottom are exclusive.
struct MonitorArea {
    RectPx monitor;
    RectPx work;
    bool operator==(const MonitorArea&) const = default;
};

// Control geometry, as the program keeps it. Labels may sit at half twips (half a label height
// below a text box), so the values are not whole numbers.
struct RectTwips {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const RectTwips&) const = default;
};

struct SizeTwips {
    double width = 0;
    double height = 0;
};

// ---------------------------------------------------------------------------------------------
// Event loop and time

class EventLoop {
  public:
    virtual ~EventLoop() = default;
    // A timer of the program's main window: SetTimer/KillTimer on that window with a private id.
    // It starts off and without an interval. The name is for tracing only.
    virtual TimerId CreateTimer(const std::string& name, std::function<void()> onTick) = 0;
    // SetTimer(hwnd, id, ms) when enabled and ms > 0, else KillTimer(hwnd, id). Every call that
    // leaves the timer running starts a full interval anew.
    virtual void SetTimer(TimerId id, std::uint32_t intervalMs, bool enabled) = 0;
    // KillTimer for good: the timer never ticks again and its callback is released. Ids are not
    // reused.
    virtual void DestroyTimer(TimerId id) = 0;
    // PeekMessageW + TranslateMessage + DispatchMessageW until the queue is empty (DoEvents).
    virtual void PumpMessages() = 0;
    // Sleep.
    virtual void Sleep(std::uint32_t ms) = 0;
    // GetLocalTime: seconds since local midnight, with milliseconds.
    virtual double SecondsSinceMidnight() = 0;
    // A developer's trace of the program's steps, each written with the time it was taken (on
    // Windows PLV_TRACE=FILE in the environment turns it on). While it is off Tracing() is false
    // and nothing is written.
    virtual bool Tracing() { return false; }
    virtual void Trace(std::string_view step) { static_cast<void>(step); }
};

// ---------------------------------------------------------------------------------------------
// Input, screen and the windows of other applications

struct OsVersionInfo {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
};

constexpr int kSmCxScreen = 0;     // SM_CXSCREEN
constexpr int kSmCyScreen = 1;     // SM_CYSCREEN
constexpr int kSmSwapButton = 23;  // SM_SWAPBUTTON

constexpr std::uint32_t kKeyEventExtendedKey = 1;  // KEYEVENTF_EXTENDEDKEY
constexpr std::uint32_t kKeyEventKeyUp = 2;        // KEYEVENTF_KEYUP

class Desktop {
  public:
    virtual ~Desktop() = default;
    // GetForegroundWindow.
    virtual Hwnd GetForegroundWindow() = 0;
    // GetCursorPos.
    virtual PointPx GetCursorPos() = 0;
    // GetAsyncKeyState: the most significant bit is set while the key or button is down.
    virtual std::int16_t GetAsyncKeyState(int virtualKey) = 0;
    // GetWindowRect; nothing for an invalid handle.
    virtual std::optional<RectPx> GetWindowRect(Hwnd window) = 0;
    // GetWindowThreadProcessId: the owning process id, 0 for an invalid handle.
    virtual std::uint32_t GetWindowProcessId(Hwnd window) = 0;
    // GetClassNameW; empty for an invalid handle.
    virtual std::u16string GetClassName(Hwnd window) = 0;
    // SendMessageTimeoutW(target, WM_COPY, 0, 0, SMTO_ABORTIFHUNG, 200 ms): the answer; nothing
    // when the target is hung or does not answer in time. A plain SendMessage would wait for ever
    // on a hung application, and the program has only one thread. The target is the control that
    // has the keyboard focus in the window's thread (GetGUIThreadInfo) when it lies inside the
    // window, else the window itself.
    virtual std::optional<std::intptr_t> SendCopyMessage(Hwnd window) = 0;
    // keybd_event(vk, scan, flags, 0).
    virtual void KeybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) = 0;
    // MapVirtualKeyW(vk, MAPVK_VK_TO_VSC): the key's scan code in the current layout, 0 when it
    // has none. Remote-desktop and virtual machine clients forward scan codes, not virtual keys.
    virtual std::uint32_t ScanCodeOf(std::uint8_t virtualKey) = 0;
    // OpenProcess + OpenProcessToken + GetTokenInformation(TokenIntegrityLevel) of the window's
    // process against the program's own: true when that process runs at a higher integrity level
    // (elevated), where Windows silently drops the program's messages and keystrokes. A process
    // whose token is refused to the program counts as higher; a window that is gone, or a process
    // that cannot be opened at all, as not.
    virtual bool IsWindowAboveOwnIntegrity(Hwnd window) = 0;
    // GetSystemMetrics.
    virtual int GetSystemMetrics(int index) = 0;
    // MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST) and GetMonitorInfoW: the monitor that shows
    // the point, or the nearest one when none does (a point in a gap, or a monitor just gone).
    virtual MonitorArea MonitorAt(PointPx at) = 0;
    // The system DPI, across and down: GetDpiForSystem where Windows has it, else
    // GetDeviceCaps(screen DC, LOGPIXELSX / LOGPIXELSY). 96 at 100 % scaling, 144 at 150 %.
    virtual std::int32_t DpiX() = 0;
    virtual std::int32_t DpiY() = 0;
    // GetVersionExA with the 148-byte structure; nothing when the call fails.
    virtual std::optional<OsVersionInfo> GetVersionEx() = 0;
    // SetForegroundWindow.
    virtual bool SetForegroundWindow(Hwnd window) = 0;
    // SetActiveWindow.
    virtual void SetActiveWindow(Hwnd window) = 0;
    // The text of the selection the user made with the mouse drag that ended with the last release
    // of the primary button, read from the system's own selection and not the clipboard (X11: the
    // PRIMARY selection, when its owner changed between that drag's press and a short while after its
    // release, per the XFixes events' timestamps). Nothing where the system has no such selection
    // (Windows) or it did not change in that drag: the program then copies through the clipboard.
    virtual std::optional<std::u16string> DragSelectionText() = 0;
    // Whether the window belongs to the desktop's own shell rather than to an application: on
    // Windows a window of explorer.exe (the desktop, the taskbar, folders); on X11 the root window and
    // windows whose _NET_WM_WINDOW_TYPE is DESKTOP or DOCK. Such windows are never watched.
    virtual bool IsShellWindow(Hwnd window, const std::u16string& exeName) = 0;
    // The name an application is known by when its process cannot be found: X11's WM_CLASS class
    // (e.g. "XTerm") where a window has no _NET_WM_PID; empty on Windows, where every window has a
    // process.
    virtual std::u16string WindowAppName(Hwnd window) = 0;
};

// ---------------------------------------------------------------------------------------------
// The program's own windows

enum class FormBorder { Sizable, None, FixedDialog };

enum class ControlKind { Label, RichText, Image, Button, PictureBox, Browser };

// Images and icons the program draws with. The backend owns the pixels.
enum class Picture {
    None,
    TrayOrange,  // connected, enabled: white glyph on F0AA00
    TrayBlue,    // connected, disabled: white glyph on 00A8FF
    TrayGrey,    // connecting: white glyph on 808080
    Emblem,      // the floating icon's 16 x 16 emblem
    CloseCross,  // the floating icon's 16 x 16 close cross
    Logo,        // the About window's 144 x 144 logo
};

struct FontSpec {
    std::u16string face = u"MS Sans Serif";
    double sizePt = 8.25;
    bool bold = false;
    bool underline = false;
    std::uint8_t charset = 0;
};

struct FormDesign {
    std::string name;  // frmMain, frmico, ...; for tracing and lookup by the simulator
    std::u16string caption;
    FormBorder border = FormBorder::Sizable;
    bool showInTaskbar = true;
    Rgb backColor = 0xF0F0F0;
    double clientWidthTwips = 0;
    double clientHeightTwips = 0;
    bool centerOnScreen = false;
};

struct ControlDesign {
    std::string name;
    ControlKind kind = ControlKind::Label;
    std::u16string caption;
    RectTwips bounds;
    bool visible = true;
    std::optional<Rgb> foreColor;  // nothing: the system's default
    std::optional<Rgb> backColor;  // nothing: transparent (labels) or the default
    FontSpec font;
    bool handCursor = false;  // the pointing-hand cursor (32 x 32, hot spot 16, 13)
    bool autoSize = false;    // a label that sizes itself to its caption
    bool wordWrap = false;    // with autoSize: the width stays and the height follows the lines
    std::u16string tooltip;
    Picture picture = Picture::None;
};

// Why a form is asked to close (the reasons Windows gives, as a form sees them).
enum class CloseReason {
    User,         // the close box or the window menu
    Program,      // the program unloads the form itself
    System,       // Windows is shutting down or the user logs off
    TaskManager,  // ended from the task manager
    Owner,        // the owner window is closing
};

enum class MouseButton { Left = 1, Right = 2, Middle = 4 };

// Events a form receives. The program implements one per form; every method has a default that
// ignores the event.
class WindowEvents {
  public:
    virtual ~WindowEvents() = default;
    // WM_xBUTTONDOWN on a control (or the form, control 0).
    virtual void OnMouseDown(ControlId /*control*/, MouseButton /*button*/) {}
    // A click (press and release of the left button) on a control.
    virtual void OnClick(ControlId /*control*/) {}
    // WM_SIZE.
    virtual void OnResize() {}
    // WM_CLOSE / WM_QUERYENDSESSION: return false to keep the form.
    virtual bool OnCloseRequest(CloseReason /*reason*/) { return true; }
    // The callback message of a notification icon owned by this form; code is the mouse message
    // or notification in the low word of lParam (WM_LBUTTONDOWN 513, NIN_BALLOONUSERCLICK 1029, ...).
    virtual void OnTrayNotify(std::uint32_t /*code*/) {}
    // The registered message "TaskbarCreated": the taskbar was recreated, icons must be added again.
    virtual void OnTaskbarCreated() {}
};

// SetWindowPos insert-after values and flags.
constexpr Hwnd kHwndTop = 0;                    // HWND_TOP
constexpr Hwnd kHwndTopmost = ~Hwnd{0};         // HWND_TOPMOST (-1)
constexpr Hwnd kHwndNoTopmost = ~Hwnd{0} - 1;   // HWND_NOTOPMOST (-2)
constexpr std::uint32_t kSwpNoSize = 0x1;       // SWP_NOSIZE
constexpr std::uint32_t kSwpNoMove = 0x2;       // SWP_NOMOVE
constexpr std::uint32_t kSwpNoActivate = 0x10;  // SWP_NOACTIVATE
constexpr std::uint32_t kSwpShowWindow = 0x40;  // SWP_SHOWWINDOW

constexpr int kGwlExStyle = -20;                // GWL_EXSTYLE
constexpr std::int32_t kWsExLayered = 0x80000;  // WS_EX_LAYERED
constexpr std::uint32_t kLwaAlpha = 2;          // LWA_ALPHA

enum class ShowCommand { Hide = 0, ShowNormal = 1, ShowNoActivate = 4, Show = 5 };

struct MenuItem {
    std::uint32_t id = 0;  // 0 for a separator
    std::u16string caption;
    bool enabled = true;
    bool isDefault = false;
};

// Character format for a selection of a rich text box (CHARFORMAT2W with the mask of the fields
// given).
struct CharFormat {
    std::optional<Rgb> color;
    std::optional<double> sizePt;
    std::optional<std::u16string> face;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::optional<bool> strikeout;
};

class Ui {
  public:
    virtual ~Ui() = default;

    // --- forms
    // RegisterClassExW + CreateWindowExW, hidden. The events object must outlive the form.
    virtual Hwnd CreateForm(const FormDesign& design, WindowEvents* events) = 0;
    // DestroyWindow.
    virtual void DestroyForm(Hwnd form) = 0;
    // ShowWindow.
    virtual void ShowWindow(Hwnd form, ShowCommand command) = 0;
    // IsWindowVisible.
    virtual bool IsWindowVisible(Hwnd form) = 0;
    // MoveWindow(form, left, top, width, height, TRUE): outer bounds in pixels.
    virtual void MoveWindow(Hwnd form, RectPx bounds) = 0;
    // SetWindowPos.
    virtual bool SetWindowPos(Hwnd form, Hwnd insertAfter, std::int32_t x, std::int32_t y, std::int32_t cx,
                              std::int32_t cy, std::uint32_t flags) = 0;
    // GetClientRect (left and top are 0).
    virtual RectPx GetClientRect(Hwnd form) = 0;
    // GetWindowLongA.
    virtual std::int32_t GetWindowLong(Hwnd form, int index) = 0;
    // SetWindowLongA; returns the previous value.
    virtual std::int32_t SetWindowLong(Hwnd form, int index, std::int32_t value) = 0;
    // SetLayeredWindowAttributes.
    virtual bool SetLayeredWindowAttributes(Hwnd form, Rgb colorKey, std::uint8_t alpha,
                                            std::uint32_t flags) = 0;
    // RedrawWindow with RDW_INVALIDATE | RDW_UPDATENOW (a form's Refresh).
    virtual void Repaint(Hwnd form) = 0;
    // The class brush / WM_ERASEBKGND colour of a form.
    virtual void SetFormBackColor(Hwnd form, Rgb color) = 0;

    // --- controls
    // CreateWindowExW of a child control (labels are owner-drawn statics, the text box a rich
    // edit control, the browser an embedded web browser). Returns its id on the form.
    virtual ControlId AddControl(Hwnd form, const ControlDesign& design) = 0;
    // MoveWindow of the child; the backend converts twips to pixels with its screen factors.
    virtual void SetControlBounds(Hwnd form, ControlId control, RectTwips bounds) = 0;
    // SetWindowTextW.
    virtual void SetControlText(Hwnd form, ControlId control, const std::u16string& text) = 0;
    // ShowWindow of the child.
    virtual void SetControlVisible(Hwnd form, ControlId control, bool visible) = 0;
    // The colours a control paints with (WM_CTLCOLORSTATIC, EM_SETBKGNDCOLOR).
    virtual void SetControlForeColor(Hwnd form, ControlId control, Rgb color) = 0;
    virtual void SetControlBackColor(Hwnd form, ControlId control, Rgb color) = 0;
    // DrawTextW with DT_CALCRECT (| DT_WORDBREAK when wrapping at widthTwips): the size the text
    // takes in the given font.
    virtual SizeTwips MeasureText(const std::u16string& text, const FontSpec& font, bool wordWrap,
                                  double widthTwips) = 0;

    // --- the rich text box (a rich edit control, UTF-16 code page 1200)
    // EM_STREAMIN of UTF-16 plain text (SF_TEXT | SF_UNICODE), of the whole text or (SFF_SELECTION)
    // the selection: as EM_SETTEXTEX with code page 1200 would, except that a text beginning with
    // "{\rtf" stays that text rather than being read as RTF.
    virtual void RichSetTextEx(Hwnd form, ControlId box, const std::u16string& text,
                               bool replaceSelection) = 0;
    // EM_GETTEXTEX with code page 1200, no line-end translation, into a buffer of maxChars.
    virtual std::u16string RichGetTextEx(Hwnd form, ControlId box, std::size_t maxChars) = 0;
    // WM_GETTEXTLENGTH.
    virtual std::size_t RichGetTextLength(Hwnd form, ControlId box) = 0;
    // EM_EXSETSEL (start and length in UTF-16 units; the end is clamped to the text).
    virtual void RichSetSelection(Hwnd form, ControlId box, std::size_t start, std::size_t length) = 0;
    // EM_EXGETSEL: start and length.
    virtual std::pair<std::size_t, std::size_t> RichGetSelection(Hwnd form, ControlId box) = 0;
    // EM_SETCHARFORMAT with SCF_SELECTION.
    virtual void RichSetSelectionFormat(Hwnd form, ControlId box, const CharFormat& format) = 0;

    // --- menus
    // CreateMenu + AppendMenuW: the form's menu, kept hidden (never shown as a menu bar).
    virtual void SetMenu(Hwnd form, const std::vector<MenuItem>& items) = 0;
    // ModifyMenuW + EnableMenuItem + SetMenuDefaultItem for one item.
    virtual void UpdateMenuItem(Hwnd form, const MenuItem& item) = 0;
    // SetForegroundWindow(form) + TrackPopupMenuEx(TPM_RETURNCMD) at the point: runs a nested
    // message loop (timers keep ticking) until the menu closes; returns the chosen id, 0 when
    // dismissed.
    virtual std::uint32_t TrackPopupMenu(Hwnd form, PointPx at) = 0;
};

// ---------------------------------------------------------------------------------------------
// The embedded browser (the WebBrowser control WB of the main form) and its document

// The engine that shows the service page, as the settings choose it.
enum class BrowserEngineKind {
    Embedded,  // the system's web browser control in the main form
    Chromium,  // a Chromium-family browser of our own, over its DevTools protocol
    Attach,    // a Chromium-family browser that already runs with a DevTools endpoint
    None,      // no engine: the page never loads
};

struct BrowserChoice {
    BrowserEngineKind kind = BrowserEngineKind::Embedded;
    std::u16string devToolsAddress;  // Attach: http://HOST:PORT on the loopback interface
    std::u16string browserPath;      // Chromium: the browser to use when none is installed
};

class Browser {
  public:
    virtual ~Browser() = default;
    // Chooses the engine, once at start-up, before the main form and the first navigation.
    virtual void UseEngine(const BrowserChoice& choice) = 0;
    // A problem that keeps the engine from showing pages (no browser found, it exited at once,
    // its endpoint refuses), each said once; empty when there is nothing new to say.
    virtual std::u16string TakeProblem() = 0;
    // IWebBrowser2::Navigate.
    virtual void Navigate(const std::u16string& url) = 0;
    // document.getElementById(id) + IDispatch::GetIDsOfNames + Invoke(DISPATCH_PROPERTYGET).
    // Member names are matched without regard to letter case. Nothing when there is no document,
    // no such element or no such member.
    virtual std::optional<std::u16string> GetElementProperty(const std::u16string& id,
                                                             const std::u16string& name) = 0;
    // The same with DISPATCH_PROPERTYPUT; false on any failure.
    virtual bool SetElementProperty(const std::u16string& id, const std::u16string& name,
                                    const std::u16string& value) = 0;
    // The same with DISPATCH_METHOD and no arguments; false on any failure.
    virtual bool CallElementMethod(const std::u16string& id, const std::u16string& name) = 0;
    // Whether the engine that showed the page is gone (a browser of our own has ended, the
    // DevTools connection has broken): the page will answer nothing until the next Navigate
    // brings the engine back. The engine in the program's own process is never gone.
    virtual bool EngineGone() = 0;
};

// ---------------------------------------------------------------------------------------------
// Clipboard primitives, as Windows has them

constexpr std::uint32_t kCfText = 1;             // CF_TEXT
constexpr std::uint32_t kCfUnicodeText = 13;     // CF_UNICODETEXT
constexpr std::uint32_t kCfHdrop = 15;           // CF_HDROP
constexpr std::uint32_t kGmemMoveable = 0x2;     // GMEM_MOVEABLE
constexpr std::uint32_t kGmemDdeShare = 0x2000;  // GMEM_DDESHARE

// How a save of the whole clipboard ended.
enum class ClipboardSave {
    Saved,     // every format read
    Held,      // another program (or a save still waiting for its owner) holds the clipboard
    TimedOut,  // an owner did not render a format within the deadline
    TooLarge,  // the formats hold more bytes than the save may keep
};

// The clipboard's content as a save read it: each format's block, in enumeration order.
struct ClipboardContent {
    ClipboardSave status = ClipboardSave::Held;
    std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>> formats;
    std::uint32_t sequence = 0;  // GetClipboardSequenceNumber once everything was read
};

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // OpenClipboard(NULL), EnumClipboardFormats and GetClipboardData of each format (the rules of
    // GetClipboardData below) but those registered under a name in skipNames, GlobalSize and the
    // bytes, CloseClipboard: on a worker thread, waited for at most deadlineMs. A format its owner
    // offered for delayed rendering makes Windows ask the owner (WM_RENDERFORMAT) and wait with no
    // limit: past the deadline the save is TimedOut, and the worker keeps the clipboard open until
    // the owner answers, then closes it (a save asked for meanwhile finds it Held). Over maxBytes
    // in all, the save stops: TooLarge. The clipboard itself is never changed.
    virtual ClipboardContent SaveClipboardContent(std::uint32_t deadlineMs, std::size_t maxBytes,
                                                  const std::vector<std::string>& skipNames) = 0;
    // OpenClipboard; fails while another window holds the clipboard open.
    virtual bool OpenClipboard(Hwnd owner) = 0;
    // CloseClipboard.
    virtual bool CloseClipboard() = 0;
    // EmptyClipboard (needs the clipboard open).
    virtual bool EmptyClipboard() = 0;
    // CountClipboardFormats.
    virtual int CountClipboardFormats() = 0;
    // EnumClipboardFormats (needs the clipboard open); 0 ends the enumeration.
    virtual std::uint32_t EnumClipboardFormats(std::uint32_t format) = 0;
    // IsClipboardFormatAvailable.
    virtual bool IsClipboardFormatAvailable(std::uint32_t format) = 0;
    // GetClipboardData (needs the clipboard open); the block stays the clipboard's. A format that
    // Windows makes from one listed before it gives 0, as do CF_OWNERDISPLAY and the private GDI
    // formats; a GDI object comes as a block of its bits (src/platform/win32/win_clipboard.cpp).
    virtual MemHandle GetClipboardData(std::uint32_t format) = 0;
    // SetClipboardData (needs the clipboard open); on success the clipboard owns the block. A
    // block of a GDI object's bits is made into the object again.
    virtual MemHandle SetClipboardData(std::uint32_t format, MemHandle block) = 0;
    // RegisterClipboardFormatA.
    virtual std::uint32_t RegisterClipboardFormat(const std::string& name) = 0;
    // GetClipboardFormatNameA into a buffer of maxChars; nothing when the call returns 0.
    virtual std::optional<std::string> GetClipboardFormatName(std::uint32_t format, std::size_t maxChars) = 0;
    // GlobalAlloc.
    virtual MemHandle GlobalAlloc(std::uint32_t flags, std::size_t bytes) = 0;
    // GlobalSize.
    virtual std::size_t GlobalSize(MemHandle block) = 0;
    // GlobalLock + copy out + GlobalUnlock.
    virtual std::vector<std::uint8_t> GlobalRead(MemHandle block) = 0;
    // GlobalLock + copy in (at most the block's size) + GlobalUnlock.
    virtual bool GlobalWrite(MemHandle block, const std::vector<std::uint8_t>& bytes) = 0;
    // GlobalFree.
    virtual void GlobalFree(MemHandle block) = 0;
    // GetClipboardSequenceNumber: changes whenever the clipboard's content changes (opening and
    // closing it do not).
    virtual std::uint32_t GetClipboardSequenceNumber() = 0;
    // DragQueryFileW(drop, 0xFFFFFFFF, NULL, 0): the number of files.
    virtual std::uint32_t DragQueryFileCount(MemHandle drop) = 0;
    // DragQueryFileW(drop, index, buffer, maxChars): the name, cut to the buffer.
    virtual std::optional<std::u16string> DragQueryFile(MemHandle drop, std::uint32_t index,
                                                        std::size_t maxChars) = 0;
};

// ---------------------------------------------------------------------------------------------
// Processes

// PROCESSENTRY32W (556 bytes): the executable's name in UTF-16, as the system keeps it; the ANSI
// form would give it in the system's code page, whatever the name's letters.
struct ProcessEntry32 {
    std::uint32_t dwSize = 0;
    std::uint32_t cntUsage = 0;
    std::uint32_t th32ProcessID = 0;
    std::uint32_t th32DefaultHeapID = 0;
    std::uint32_t th32ModuleID = 0;
    std::uint32_t cntThreads = 0;
    std::uint32_t th32ParentProcessID = 0;
    std::int32_t pcPriClassBase = 0;
    std::uint32_t dwFlags = 0;
    std::array<char16_t, 260> szExeFile{};
};

constexpr std::uint32_t kProcessEntry32Size = 556;
constexpr std::uint32_t kTh32csSnapProcess = 2;
constexpr std::uint32_t kProcessQueryInformation = 0x400;
constexpr std::uint32_t kProcessVmRead = 0x10;

class Processes {
  public:
    virtual ~Processes() = default;
    // CreateToolhelp32Snapshot; 0 on failure.
    virtual KernelHandle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) = 0;
    // Process32First; the entry's dwSize must be 296.
    virtual bool Process32First(KernelHandle snapshot, ProcessEntry32& entry) = 0;
    // Process32Next.
    virtual bool Process32Next(KernelHandle snapshot, ProcessEntry32& entry) = 0;
    // OpenProcess; 0 on failure.
    virtual KernelHandle OpenProcess(std::uint32_t access, bool inheritHandle, std::uint32_t processId) = 0;
    // GetModuleFileNameExW(process, NULL, buffer, maxChars): the main module's path.
    virtual std::optional<std::u16string> GetModuleFileNameEx(KernelHandle process, std::size_t maxChars) = 0;
    // CloseHandle.
    virtual void CloseHandle(KernelHandle handle) = 0;
};

// ---------------------------------------------------------------------------------------------
// The per-user settings store: HKEY_CURRENT_USER\Software\Parlevo\<program>\<section>, one
// REG_SZ value per key.

class UserStore {
  public:
    virtual ~UserStore() = default;
    // RegOpenKeyExW + RegQueryValueExW; nothing when the key or value is absent.
    virtual std::optional<std::u16string> GetSetting(const std::u16string& program,
                                                     const std::u16string& section,
                                                     const std::u16string& key) = 0;
    // RegCreateKeyExW + RegSetValueExW.
    virtual bool SaveSetting(const std::u16string& program, const std::u16string& section,
                             const std::u16string& key, const std::u16string& value) = 0;
};

// ---------------------------------------------------------------------------------------------
// The notification area

enum class NotifyAction { Add = 0, Modify = 1, Delete = 2 };  // NIM_ADD, NIM_MODIFY, NIM_DELETE

constexpr std::uint32_t kNifMessage = 1;  // NIF_MESSAGE
constexpr std::uint32_t kNifIcon = 2;     // NIF_ICON
constexpr std::uint32_t kNifTip = 4;      // NIF_TIP
constexpr std::uint32_t kNifInfo = 16;    // NIF_INFO

constexpr std::uint32_t kNiifInfo = 1;     // NIIF_INFO
constexpr std::uint32_t kNiifWarning = 2;  // NIIF_WARNING
constexpr std::uint32_t kNiifError = 3;    // NIIF_ERROR

// NOTIFYICONDATA. The tooltip holds 128 characters, the balloon title 64 and its text 256, each
// with its terminating NUL; longer texts are cut by the caller.
struct NotifyIconData {
    Hwnd owner = 0;
    std::uint32_t id = 0;
    std::uint32_t flags = 0;
    std::uint32_t callbackMessage = 0;
    Picture icon = Picture::None;
    std::u16string tip;
    std::u16string infoTitle;
    std::u16string info;
    std::uint32_t infoFlags = 0;
    std::uint32_t timeoutMs = 0;
};

class Tray {
  public:
    virtual ~Tray() = default;
    // Shell_NotifyIconW. Notifications come back to the owner form's WindowEvents.
    virtual bool ShellNotifyIcon(NotifyAction action, const NotifyIconData& data) = 0;
};

// ---------------------------------------------------------------------------------------------
// The shell

constexpr std::uint32_t kMbOk = 0x0;
constexpr std::uint32_t kMbIconError = 0x10;
constexpr std::uint32_t kMbIconExclamation = 0x30;

class Shell {
  public:
    virtual ~Shell() = default;
    // ShellExecuteW(owner, NULL, target, NULL, NULL, SW_SHOWNORMAL); the value it returns.
    virtual std::intptr_t ShellExecute(Hwnd owner, const std::u16string& target) = 0;
    // CreateProcessW of a command line in a normal window that gets the focus; false on failure.
    virtual bool StartCommandLine(const std::u16string& commandLine) = 0;
    // MessageBoxW(NULL, text, title, style): modal, returns the button pressed.
    virtual int MessageBox(const std::u16string& text, const std::u16string& title, std::uint32_t style) = 0;
    // Lets the user choose the program that opens the document: rundll32.exe
    // shell32.dll,OpenAs_RunDLL on Windows; on Linux the desktop's own way (xdg-open, which asks when
    // it has no default). False on failure.
    virtual bool OpenWith(const std::u16string& target) = 0;
    // The executables of the web browsers the program is enabled in at its first start, lower case,
    // as the system names processes ("firefox.exe", ... on Windows; "firefox-esr", "firefox",
    // "chromium", "chrome", "opera" ... on Linux).
    virtual std::vector<std::u16string> SeededBrowsers() = 0;
    // Whether a window of this executable and class is a terminal (console windows copy with other
    // keys, and some do not answer the copy message). Windows: the current lists of terminal
    // executables and window classes in src/capture/text_capture.cpp move here; Linux: xterm,
    // uxterm, gnome-terminal-server, konsole, xfce4-terminal, lxterminal, mate-terminal, terminator,
    // tilix, alacritty, kitty, wezterm-gui, st, urxvt, rxvt... and WM_CLASS "XTerm", "URxvt"...
    virtual bool IsTerminal(const std::u16string& exeName, const std::u16string& windowClass) = 0;
};

// ---------------------------------------------------------------------------------------------
// Process-wide facilities

struct FileVersion {
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint16_t build = 0;
    std::uint16_t revision = 0;
};

// The checksum library hash2 (hash2.dll / libhash2.so).
class ChecksumLibrary {
  public:
    virtual ~ChecksumLibrary() = default;
    // The exported CRC32(bytes, length): a signed 32-bit checksum.
    virtual std::int32_t CRC32(const std::uint8_t* bytes, std::int32_t length) = 0;
};

class ProcessEnv {
  public:
    virtual ~ProcessEnv() = default;
    // GetModuleFileNameW(NULL) without the file name (no trailing backslash).
    virtual std::u16string ExeDirectory() = 0;
    // GetModuleFileNameW(NULL): the file name without its extension ("plv").
    virtual std::u16string ExeBaseName() = 0;
    // GetCommandLineW past the program's own name and the blanks after it.
    virtual std::u16string CommandLineArgs() = 0;
    // SHGetFolderPathW(CSIDL_PROFILE): the user's profile folder; empty when there is none.
    virtual std::u16string UserProfileFolder() = 0;
    // CreateMutexW(NULL, FALSE, name) + GetLastError() != ERROR_ALREADY_EXISTS: true when this is
    // the only running copy. The mutex lives until the process ends.
    virtual bool AcquireSingleInstance(const std::u16string& name) = 0;
    // TerminateProcess(GetCurrentProcess(), code): nothing of the program runs afterwards.
    virtual void TerminateProcess(std::uint32_t exitCode) = 0;
    // PostQuitMessage(code): the message loop ends and the process exits with the code.
    virtual void EndProgram(int exitCode) = 0;
    // GetFileVersionInfoW + VerQueryValueW(\): the file version of the executable.
    virtual std::optional<FileVersion> GetFileVersion() = 0;
    // CreateFileW + ReadFile of the whole file; nothing when it cannot be opened or read.
    virtual std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::u16string& path) = 0;
    // LoadLibraryW(<executable directory>\hash2.dll) + GetProcAddress("CRC32"); never from the
    // search path. Null when it cannot be loaded; the library stays loaded for the run.
    virtual ChecksumLibrary* LoadChecksumLibrary() = 0;
    // The file name of a program of this system from its base name: "plv-service" ->
    // "plv-service.exe" on Windows, unchanged on Linux.
    virtual std::u16string ProgramFileName(const std::u16string& baseName) = 0;
    // A file beside the executable: ExeDirectory() + the system's separator + name.
    virtual std::u16string PathBesideExe(const std::u16string& name) = 0;
    // The settings file the program reads: on Windows <exe dir>\<base name>.ini; on Linux
    // $XDG_CONFIG_HOME/parlevo/<base name>.ini when it exists, else the one beside the executable,
    // else /usr/share/parlevo/<base name>.ini (what the package ships).
    virtual std::u16string SettingsFilePath() = 0;
};

// ---------------------------------------------------------------------------------------------
// The translation server that ships beside the program (plv-service.exe), run as its child.

class LocalService {
  public:
    virtual ~LocalService() = default;
    // CreateProcessW(program, its quoted command line, CREATE_SUSPENDED | CREATE_NO_WINDOW), put
    // in a job that ends it with the program (JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE), then resumed.
    // Its standard input and output are pipes of ours, handed to it alone
    // (PROC_THREAD_ATTRIBUTE_HANDLE_LIST); `input` is written to its standard input, which stays
    // open while it runs; its standard error goes to LogPath(). A child started before is ended
    // first. onExit runs on the program's thread, from the message loop, once the child has ended
    // by itself (not after Stop). False, with the reason in *error, when it cannot be started.
    virtual bool Start(const std::u16string& program, const std::vector<std::u16string>& args,
                       const std::string& input, std::function<void()> onExit, std::u16string* error) = 0;
    // PeekNamedPipe + ReadFile: what the child has written to its standard output since the last
    // call, without waiting.
    virtual std::string ReadOutput() = 0;
    // WaitForSingleObject(process, 0) == WAIT_TIMEOUT.
    virtual bool IsRunning() = 0;
    // TerminateProcess and CloseHandle of everything; nothing when none runs.
    virtual void Stop() = 0;
    // The file the child's standard error goes to (in the user's temporary folder).
    virtual std::u16string LogPath() = 0;
    // RtlGenRandom (SystemFunction036): bytes from the system's cryptographic generator; nothing
    // on failure.
    virtual std::optional<std::vector<std::uint8_t>> RandomBytes(std::size_t count) = 0;
};

// ---------------------------------------------------------------------------------------------

// Everything the program is given. The backend owns the objects; they outlive the program.
struct Platform {
    EventLoop& loop;
    Desktop& desktop;
    Ui& ui;
    Browser& browser;
    Clipboard& clipboard;
    Processes& processes;
    UserStore& store;
    Tray& tray;
    Shell& shell;
    ProcessEnv& env;
    LocalService& service;
};

}  // namespace plv
