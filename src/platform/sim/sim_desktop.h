#pragma once
// The simulated desktop: a deterministic stand-in for Windows that the real program runs on in
// every test. Time is virtual and moves only when the program sleeps or a test waits; other
// applications, the mouse, the registry, the tray, the shell, the process table and the service
// page are models that behave as the Windows documentation says.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace plv::sim {

// How a simulated application reacts to the three ways of asking it to copy its selection.
enum class CopyBehaviour {
    Message,  // answers WM_COPY with 0 and copies
    Insert,   // copies on Ctrl+Insert
    CtrlC,    // copies on Ctrl+C only
    Late,     // copies 150 ms after it receives Ctrl+C, and answers nothing else
    None,     // never copies
    Hang,     // hung: answers no message and acts on no keystroke
};

struct SimApp {
    std::u16string exe;  // "" for a process whose executable cannot be found
    std::uint32_t pid = 0;
    Hwnd window = 0;
    CopyBehaviour copy = CopyBehaviour::Insert;
    std::u16string selection;
    std::u16string className;
    int interrupts = 0;  // Ctrl+C received by a console or terminal window
    // Runs elevated: Windows drops the messages and keystrokes a program of lower integrity
    // sends it, without telling the sender.
    bool elevated = false;
    // Chords that arrived with a key the user held still down (Ctrl+Alt+C types a character over
    // the selection on many layouts, Ctrl+Shift+C opens a browser's inspector).
    int garbledChords = 0;
    // A clipboard watcher (a clipboard manager): after every change of the clipboard it holds it
    // open for this long, reading it.
    std::uint32_t watcherMs = 0;
    // Takes the system's own selection (X11's PRIMARY) with its selection when the user selects
    // by dragging in its window, as X11 applications do; Windows has no such selection, and no
    // application of the simulated Windows does this unless a script says so.
    bool setsPrimary = false;
    // The name the system knows the application by when its process cannot be found (X11's
    // WM_CLASS); Windows has none.
    std::u16string appName;
};

// The system's own selection: its text, the window that took it, and when.
struct SystemSelection {
    std::u16string text;
    Hwnd owner = 0;
    std::int64_t at = 0;
};

// The last press and release of the selecting button (the logical left one).
struct SelectingDrag {
    bool down = false;
    std::int64_t pressAt = -1;
    std::int64_t releaseAt = -1;
    PointPx pressPoint;
    bool onProgram = false;  // pressed on one of the program's windows
};

struct SimControl {
    ControlId id = 0;
    ControlDesign design;  // current state: caption, bounds, visibility, colours
    // The rich text box.
    std::u16string text;
    std::vector<Rgb> charColor;
    std::vector<double> charSize;
    std::size_t selStart = 0;
    std::size_t selLength = 0;
    Rgb insertColor = 0;
    double insertSize = 8.25;
};

struct SimWindow {
    Hwnd hwnd = 0;
    std::uint32_t pid = 0;
    std::u16string className;
    RectPx rect;
    bool visible = false;
    bool topmost = false;
    std::int32_t exStyle = 0;
    std::uint8_t alpha = 255;
    // A form of the program.
    bool isForm = false;
    FormDesign design;
    WindowEvents* events = nullptr;
    Rgb backColor = 0;
    std::vector<SimControl> controls;
    std::vector<MenuItem> menu;
};

struct SimProcess {
    std::uint32_t pid = 0;
    std::u16string exeFile;
    std::u16string modulePath;
};

struct TrayState {
    bool present = false;
    NotifyIconData icon;
    std::optional<NotifyIconData> balloon;
};

struct PageElement {
    std::map<std::u16string, std::u16string> properties;  // by folded member name
};

struct PageDocument {
    std::map<std::u16string, PageElement> elements;  // by id
};

// The service page as the browser control shows it, with scripted timing and answers.
struct PageModel {
    // --- what the script sets up
    bool never = false;  // navigation never yields a usable page
    std::uint32_t readyMs = 300;
    std::uint32_t answerAfterMs = 200;
    std::optional<std::u16string> answer;  // nothing: "[" + the sent text + "]"
    bool silent = false;                   // never fills "translation"
    std::optional<std::u16string> error;   // each request fails: this goes into "error" instead
    bool keepsError = false;               // a click leaves "error" as it stands (an older page)
    std::optional<std::u16string> fromto;
    std::optional<std::u16string> version;
    std::optional<std::u16string> download;
    std::optional<std::u16string> credit;  // the "attribution" link's text, set with each answer
    std::u16string creditLink;             // and its address
    std::vector<std::u16string> missing;   // element ids the page lacks
    std::string engineUrl;                 // requests go to a translation server there
    std::vector<std::u16string> problems;  // what the engine has to say, in turn
    bool engineGone = false;               // the browser has died; the next navigation restarts it
    // --- what the program chose
    std::optional<BrowserChoice> engine;
    // --- what happened
    std::u16string url;
    std::uint32_t navigations = 0;
    std::uint64_t navigationSerial = 0;  // which navigation the document belongs to
    std::uint64_t clickSerial = 0;       // which click an answer belongs to
    std::optional<PageDocument> document;
    std::u16string sent;
    std::uint32_t requests = 0;
};

// The bundled translation server, run by the program as its child, with scripted behaviour. A
// page under http://127.0.0.1:PORT/ of a port it took loads only while it runs there, and only
// under /key/KEY/ with the key it was given.
struct LocalServiceModel {
    // --- what the script sets up
    std::optional<std::u16string> startError;  // Start fails with this reason
    std::uint32_t reportAfterMs = 0;           // it tells its port this long after its start
    bool silent = false;                       // it never tells its port
    std::uint16_t nextPort = 49731;            // each start on any port takes the next one from here
    std::set<std::uint16_t> takenPorts;        // ports other programs listen on
    // --- what happened
    bool running = false;  // ended by the job too when the program ends (see Running())
    std::uint32_t starts = 0;
    std::uint64_t serial = 0;          // which start the running child is
    std::u16string command;            // program and arguments of the last start, blank-separated
    std::string input;                 // what the last one was given on its standard input
    std::string output;                // what it said that the program has not read yet
    std::uint16_t port = 0;            // where the last one listens
    std::vector<std::uint16_t> ports;  // every port one of them took
    std::function<void()> onExit;
    std::uint32_t randomDraws = 0;
};

// The clipboard as Windows keeps it: one opener at a time, the formats in the order they were
// set, global memory blocks, registered format names.
struct ClipboardState {
    std::vector<std::pair<std::uint32_t, MemHandle>> formats;  // set formats, in order
    bool open = false;
    std::uint32_t openerPid = 0;  // the process that holds it open
    Hwnd openerWindow = 0;
    Hwnd owner = 0;                 // set by EmptyClipboard to the opener's window (0 for a null open)
    std::int64_t lockedUntil = -1;  // another application holds it open until then
    std::map<MemHandle, std::vector<std::uint8_t>> blocks;
    MemHandle nextBlock = 0x20000;
    std::map<std::uint32_t, MemHandle> synthesized;  // made on request, gone with the next change
    std::map<std::uint32_t, std::string> registered;
    std::uint32_t nextRegistered = 0xC070;
    std::uint32_t inputLocale = 0x0409;  // the CF_LOCALE Windows gives text that comes without one
    std::uint32_t sequence = 1;          // GetClipboardSequenceNumber
    bool changedWhileOpen = false;       // the program changed it since it opened it
    // Formats their owner offered for delayed rendering and has not rendered yet (their handle in
    // `formats` is 0): the bytes it will render, and how long it takes to answer when asked
    // (negative: it does not answer until told to).
    struct Delayed {
        std::vector<std::uint8_t> bytes;
        std::int64_t renderMs = -1;
    };
    std::map<std::uint32_t, Delayed> delayed;
    bool saveWaiting = false;        // a save's worker holds the clipboard open, waiting for an owner
    std::uint32_t programOpens = 0;  // how often the program opened it (its save's worker too)
};

enum class ProgramState { NotStarted, Running, Exited, Terminated };

class SimDesktop;

// The simulated world: everything the models share.
struct SimWorld {
    // --- time
    std::int64_t now = 0;
    std::int64_t dayStartMs = 9 * 3600 * 1000;  // virtual time 0 is 09:00:00 local time
    struct Timer {
        std::string name;
        std::function<void()> tick;
        std::uint32_t interval = 0;
        bool enabled = false;
        std::optional<std::int64_t> due;
        bool destroyed = false;
    };
    std::vector<Timer> timers;  // TimerId = index + 1
    struct Event {
        std::int64_t at;
        std::uint64_t seq;
        std::function<void()> action;
    };
    std::vector<Event> events;  // what other applications do at their own times
    std::uint64_t eventSeq = 0;

    // --- the program's process
    ProgramState state = ProgramState::NotStarted;
    int exitCode = 0;
    std::u16string exeDirectory = u"C:\\Program Files\\Parlevo";
    std::u16string profileFolder = u"C:\\Users\\user";
    std::u16string exeBaseName = u"plv";
    std::u16string args;
    bool anotherInstance = false;
    std::set<std::u16string> mutexes;  // named mutexes that exist, whoever made them (names are exact)
    FileVersion version{1, 1, 0, 21};
    std::map<std::u16string, std::vector<std::uint8_t>> files;  // by folded path
    std::uint32_t programPid = 0;

    // --- screen, input, windows, processes
    std::int32_t screenW = 1024;
    std::int32_t screenH = 768;
    // The monitors, the primary first; none means one monitor of screenW x screenH with no bars.
    std::vector<MonitorArea> monitors;
    // The system DPI; twips per pixel follow from it, exactly.
    std::int32_t dpiX = 96;
    std::int32_t dpiY = 96;
    double TwipsX() const { return 1440.0 / dpiX; }
    double TwipsY() const { return 1440.0 / dpiY; }
    bool swapButtons = false;
    std::uint32_t osVersion = 501;
    PointPx cursor{512, 384};
    bool buttonDown[3] = {false, false, false};  // physical left, right, middle
    std::map<Hwnd, SimWindow> windows;
    Hwnd nextHwnd = 0x10010;
    Hwnd desktopWindow = 0;
    Hwnd foreground = 0;
    std::vector<SimProcess> processes;
    std::uint32_t nextPid = 1200;
    std::vector<SimApp> apps;
    std::vector<std::string> keys;  // injected keystrokes, "VK/SCAN/FLAGS" in hexadecimal
    bool ctrlDown = false;
    std::set<int> userKeys;  // keys the user holds down (virtual-key codes)
    ClipboardState clipboard;
    std::optional<SystemSelection> primary;
    SelectingDrag drag;
    bool hash2Missing = false;

    // --- registry, tray, shell, page
    std::map<std::u16string, std::u16string> registry;  // by folded "program\section\key"
    TrayState tray;
    bool menuOpen = false;
    Hwnd menuForm = 0;
    std::uint32_t menuChoice = 0;
    std::map<std::u16string, std::intptr_t> shellAnswers;  // by target; "*" for every other
    std::vector<std::u16string> shellOpened;
    std::vector<std::u16string> started;
    struct MessageBoxShown {
        std::u16string title;
        std::u16string text;
        std::uint32_t style = 0;
    };
    std::optional<MessageBoxShown> lastMessageBox;
    PageModel page;
    LocalServiceModel service;

    // --- hooks for the driver of the simulation
    // A real translation server (demos only): the translation of a text, nothing on failure;
    // and the name of a direction ("English » Spanish").
    std::function<std::optional<std::u16string>(const std::string& url, const std::u16string& text,
                                                const std::u16string& source, const std::u16string& target)>
        engineTranslate;
    std::function<std::optional<std::u16string>(const std::string& url, const std::u16string& source,
                                                const std::u16string& target)>
        engineDirectionName;
    std::function<void(const std::string&)> tracer;
    // The program's own developer trace, kept while programTracing is on.
    bool programTracing = false;
    std::vector<std::string> programTrace;
    // Runs the world on while a nested message loop of the program waits (the tray menu); it
    // returns when done() holds or when there is nothing more to run.
    std::function<void(const std::function<bool()>& done)> nestedLoop;

    // The message loop runs: timers tick and events arrive.
    bool Alive() const { return state == ProgramState::Running; }
    // The process runs code: after EndProgram (PostQuitMessage) it does until its loop has ended,
    // and every system call works as before; after TerminateProcess nothing of it runs.
    bool Runs() const { return state == ProgramState::Running || state == ProgramState::Exited; }
    // The bundled service runs: started, not ended, and its job not closed with the program.
    bool ServiceRuns() const { return service.running && Runs(); }
    // The running service ends by itself: Windows tells the program through its message loop.
    void EndService();
    // The page at url belongs to a port the bundled service took; *ok says whether it is served
    // (the service runs there and the key in the path is its own).
    bool BundledPage(const std::u16string& url, bool* ok) const;
    // A line for the trace. Lines with the same key at the same virtual time replace each other
    // (a window moved and sized in one step is one change to the eye).
    void Trace(const std::string& line, const std::string& key = "");
    // Hands the buffered lines to the tracer.
    void FlushTrace();
    std::vector<std::pair<std::string, std::string>> traceBuffer;  // key, line
    SimWindow* Window(Hwnd h);
    SimWindow* Form(const std::string& name);
    void Schedule(std::int64_t at, std::function<void()> action);

    // --- clipboard helpers shared by the program's view and the other applications
    MemHandle NewBlock(std::vector<std::uint8_t> bytes);
    // The formats a reader sees: the set ones, then those Windows makes from them (CF_LOCALE, the
    // other text formats, the other metafile and bitmap formats).
    std::vector<std::uint32_t> AvailableFormats() const;
    // The block of a format, making the locale and the text formats from what was set; 0 if none
    // (also for a picture made from another: the simulator draws none).
    MemHandle ClipboardBlock(std::uint32_t format);
    // Replaces everything on the clipboard (as another application's copy does).
    void ClipboardReplace(Hwnd owner,
                          const std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>>& data);
    void ClipboardClear();
    // Another application adds a format to what is on the clipboard (replacing that format, the
    // others staying as they are); with renderMs it only offers it for delayed rendering, to be
    // rendered that long after it is asked for (negative: not until it is told to answer).
    void ClipboardAdd(Hwnd owner, std::uint32_t format, const std::vector<std::uint8_t>& bytes,
                      std::optional<std::int64_t> renderMs);
    // The owner renders a format it offered for delayed rendering.
    void ClipboardRender(std::uint32_t format);
    // A delayed-rendering owner that did not answer does now: every offered format is rendered,
    // and a save waiting for it lets the clipboard go.
    void ClipboardOwnerAnswers();
    // The clipboard's content is new: the watchers hold it open for a moment, reading it (not
    // when it was only emptied).
    void ClipboardNotifyWatchers();
    bool ClipboardHeldByOther(std::uint32_t pid) const;
    std::u16string ClipboardFormatName(std::uint32_t format) const;
    SimApp* AppByWindow(Hwnd window);
    // An application copies its selection as Unicode text, when it can open the clipboard.
    void AppCopies(SimApp& app);
    // The application takes the system's own selection with what it has selected.
    void AppTakesPrimary(SimApp& app);
    // The user presses or lets go of the selecting button; onProgram: on one of the program's
    // windows. A drag in an application that takes the system's selection makes it take it.
    void SelectingButtonPressed(bool onProgram);
    void SelectingButtonReleased();
};

// Quotes a text the way the scenario runner shows free texts.
std::string QuoteText(const std::u16string& text);
// The tray icon's colour (orange, blue, grey) and a balloon's kind (info, warning, error).
const char* TrayIconName(Picture icon);
const char* BalloonKindName(std::uint32_t infoFlags);
// A message box as the scenario runner shows it: "TITLE" "TEXT" STYLE (hexadecimal).
std::string DescribeMessageBox(const SimWorld::MessageBoxShown& box);

class SimUi;

class SimDesktop {
  public:
    SimDesktop();
    ~SimDesktop();
    SimDesktop(const SimDesktop&) = delete;
    SimDesktop& operator=(const SimDesktop&) = delete;

    SimWorld& world() { return world_; }
    const SimWorld& world() const { return world_; }
    Platform& platform() { return *platform_; }

    // The program's process comes to life: its process entry, its executable's window class.
    void StartProgram();

    // --- time
    // Moves the clock on by ms, delivering timers and other applications' actions as they fall due.
    void Wait(std::int64_t ms);
    // Runs the program's due timers (a pass of its message loop).
    void Pump();
    // Moves the clock without running the program's timers (the program is blocked).
    void AdvanceWorld(std::int64_t to);

    // --- the world outside the program
    SimApp& AddApp(const std::u16string& exe, CopyBehaviour copy, RectPx rect,
                   const std::u16string& className, const std::u16string& selection);
    // nullptr: the desktop.
    void SetForeground(const SimApp* app);
    void TaskbarRestart();

  private:
    class Loop;
    class DesktopApi;
    class BrowserApi;
    class ClipboardApi;
    class ProcessesApi;
    class StoreApi;
    class TrayApi;
    class ShellApi;
    class EnvApi;
    class ServiceApi;

    SimWorld world_;
    std::unique_ptr<Loop> loop_;
    std::unique_ptr<DesktopApi> desktop_;
    std::unique_ptr<SimUi> ui_;
    std::unique_ptr<BrowserApi> browser_;
    std::unique_ptr<ClipboardApi> clipboard_;
    std::unique_ptr<ProcessesApi> processes_;
    std::unique_ptr<StoreApi> store_;
    std::unique_ptr<TrayApi> tray_;
    std::unique_ptr<ShellApi> shell_;
    std::unique_ptr<EnvApi> env_;
    std::unique_ptr<ServiceApi> service_;
    std::unique_ptr<Platform> platform_;
};

// The text a capture would read from the clipboard: the Unicode text when its block holds more
// than its terminating zero, else the ANSI text.
std::u16string SimClipboardText(SimWorld& world);
// The set formats as ID:HEX items, or "empty".
std::string DescribeClipboard(const SimWorld& world);

// The simulated text metrics: at S points each UTF-16 unit is round(S * 10) twips wide and a line
// round(S * 24) twips tall; wrapping breaks greedily at blanks and breaks over-long words.
SizeTwips SimMeasureText(const std::u16string& text, double sizePt, bool wordWrap, double widthTwips);

}  // namespace plv::sim
