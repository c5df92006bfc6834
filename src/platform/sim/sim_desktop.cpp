#include "platform/sim/sim_desktop.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "base/numbers.h"
#include "base/text.h"
#include "platform/sim/sim_ui.h"

namespace plv::sim {

// ---------------------------------------------------------------------------------------------
// The world

void SimWorld::Trace(const std::string& line) const {
    if (tracer) {
        tracer("t=" + std::to_string(now) + " " + line);
    }
}

SimWindow* SimWorld::Window(Hwnd h) {
    auto it = windows.find(h);
    return it == windows.end() ? nullptr : &it->second;
}

SimWindow* SimWorld::Form(const std::string& name) {
    for (auto& [h, w] : windows) {
        if (w.isForm && w.design.name == name) {
            return &w;
        }
    }
    return nullptr;
}

void SimWorld::Schedule(std::int64_t at, std::function<void()> action) {
    events.push_back(Event{at, eventSeq++, std::move(action)});
}

std::string QuoteText(const std::u16string& text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            out += Utf16ToUtf8(text.substr(i, 2));
            ++i;
            continue;
        }
        switch (c) {
            case u'"':
                out += "\\\"";
                break;
            case u'\\':
                out += "\\\\";
                break;
            case u'\n':
                out += "\\n";
                break;
            case u'\r':
                out += "\\r";
                break;
            case u'\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04X", static_cast<unsigned>(c));
                    out += buf;
                } else {
                    out += Utf16ToUtf8(std::u16string_view(&c, 1));
                }
        }
    }
    return out + "\"";
}

std::string DescribeMessageBox(const SimWorld::MessageBoxShown& box) {
    char style[16];
    std::snprintf(style, sizeof style, "%X", box.style);
    return QuoteText(box.title) + " " + QuoteText(box.text) + " " + style;
}

// ---------------------------------------------------------------------------------------------
// Event loop and time

class SimDesktop::Loop : public EventLoop {
  public:
    explicit Loop(SimDesktop& d) : d_(d), w_(d.world_) {}

    TimerId CreateTimer(const std::string& name, std::function<void()> onTick) override {
        w_.timers.push_back(SimWorld::Timer{name, std::move(onTick), 0, false, std::nullopt});
        return static_cast<TimerId>(w_.timers.size());
    }

    void SetTimer(TimerId id, std::uint32_t intervalMs, bool enabled) override {
        if (id == 0 || id > w_.timers.size()) {
            return;
        }
        auto& t = w_.timers[id - 1];
        t.interval = intervalMs;
        t.enabled = enabled;
        t.due = (enabled && intervalMs > 0) ? std::optional<std::int64_t>(w_.now + intervalMs) : std::nullopt;
    }

    void PumpMessages() override { d_.Pump(); }

    void Sleep(std::uint32_t ms) override { d_.AdvanceWorld(w_.now + ms); }

    double SecondsSinceMidnight() override {
        std::int64_t ms = (w_.dayStartMs + w_.now) % (24LL * 3600 * 1000);
        return static_cast<double>(ms) / 1000.0;
    }

  private:
    SimDesktop& d_;
    SimWorld& w_;
};

void SimDesktop::AdvanceWorld(std::int64_t to) {
    for (;;) {
        auto next = std::min_element(
            world_.events.begin(), world_.events.end(),
            [](const auto& a, const auto& b) { return a.at != b.at ? a.at < b.at : a.seq < b.seq; });
        if (next == world_.events.end() || next->at > to) {
            break;
        }
        world_.now = std::max(world_.now, next->at);
        auto action = std::move(next->action);
        world_.events.erase(next);
        action();
    }
    world_.now = std::max(world_.now, to);
}

void SimDesktop::Pump() {
    // Each due timer ticks once per pass, in due-time order, ties by creation order; a tick may
    // pump again, so ticks can nest as they do on Windows.
    while (world_.Alive()) {
        std::size_t best = world_.timers.size();
        for (std::size_t i = 0; i < world_.timers.size(); ++i) {
            const auto& t = world_.timers[i];
            if (t.due && *t.due <= world_.now &&
                (best == world_.timers.size() || *t.due < *world_.timers[best].due)) {
                best = i;
            }
        }
        if (best == world_.timers.size()) {
            return;
        }
        auto& t = world_.timers[best];
        t.due = world_.now + t.interval;
        auto tick = t.tick;
        tick();
    }
}

void SimDesktop::Wait(std::int64_t ms) {
    std::int64_t target = world_.now + ms;
    for (;;) {
        std::int64_t next = std::numeric_limits<std::int64_t>::max();
        if (world_.Alive()) {
            for (const auto& t : world_.timers) {
                if (t.due) {
                    next = std::min(next, *t.due);
                }
            }
        }
        for (const auto& e : world_.events) {
            next = std::min(next, e.at);
        }
        if (next > target) {
            break;
        }
        AdvanceWorld(std::max(next, world_.now));
        Pump();
    }
    AdvanceWorld(target);
    Pump();
}

// ---------------------------------------------------------------------------------------------
// Input, screen, other applications' windows

class SimDesktop::DesktopApi : public Desktop {
  public:
    explicit DesktopApi(SimWorld& w) : w_(w) {}

    Hwnd GetForegroundWindow() override { return w_.foreground; }
    PointPx GetCursorPos() override { return w_.cursor; }

    std::int16_t GetAsyncKeyState(int vk) override {
        // Mouse buttons are reported as the physical buttons, whatever the swap setting says.
        int index = vk == 1 ? 0 : vk == 2 ? 1 : vk == 4 ? 2 : -1;
        if (index >= 0 && w_.buttonDown[index]) {
            return std::numeric_limits<std::int16_t>::min();
        }
        return 0;
    }

    std::optional<RectPx> GetWindowRect(Hwnd window) override {
        if (auto* w = w_.Window(window)) {
            return w->rect;
        }
        return std::nullopt;
    }

    std::uint32_t GetWindowProcessId(Hwnd window) override {
        auto* w = w_.Window(window);
        return w ? w->pid : 0;
    }

    std::u16string GetClassName(Hwnd window) override {
        auto* w = w_.Window(window);
        return w ? w->className : u"";
    }

    std::intptr_t SendCopyMessage(Hwnd /*window*/) override { return 1; }

    void KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) override {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%X/%X/%X", vk, scan, flags);
        w_.keys.emplace_back(buf);
    }

    int GetSystemMetrics(int index) override {
        switch (index) {
            case kSmCxScreen:
                return w_.screenW;
            case kSmCyScreen:
                return w_.screenH;
            case kSmSwapButton:
                return w_.swapButtons ? 1 : 0;
            default:
                return 0;
        }
    }

    std::int32_t TwipsPerPixelX() override { return w_.twipsX; }
    std::int32_t TwipsPerPixelY() override { return w_.twipsY; }

    std::optional<OsVersionInfo> GetVersionEx() override {
        return OsVersionInfo{w_.osVersion / 100, w_.osVersion % 100};
    }

    bool SetForegroundWindow(Hwnd window) override {
        if (!w_.Alive() || w_.Window(window) == nullptr) {
            return false;
        }
        w_.foreground = window;
        return true;
    }

    void SetActiveWindow(Hwnd /*window*/) override {}

  private:
    SimWorld& w_;
};

// ---------------------------------------------------------------------------------------------
// The service page in the browser control

class SimDesktop::BrowserApi : public Browser {
  public:
    explicit BrowserApi(SimWorld& w) : w_(w) {}

    void Navigate(const std::u16string& url) override {
        if (!w_.Alive()) {
            return;
        }
        auto& page = w_.page;
        page.url = url;
        ++page.navigations;
        std::uint64_t serial = ++page.navigationSerial;
        w_.Trace("page navigate " + QuoteText(url));
        // The old document stays until the new one has loaded, as in a real browser.
        w_.Schedule(w_.now + page.readyMs, [this, serial] {
            auto& p = w_.page;
            if (serial != p.navigationSerial) {
                return;  // overtaken by a newer navigation
            }
            p.document = p.never ? PageDocument{} : ServicePage();
        });
    }

    std::optional<std::u16string> GetElementProperty(const std::u16string& id,
                                                     const std::u16string& name) override {
        auto* e = Find(id);
        if (e == nullptr) {
            return std::nullopt;
        }
        auto it = e->properties.find(ToLower(name));
        if (it == e->properties.end()) {
            return std::nullopt;
        }
        return it->second;
    }

    bool SetElementProperty(const std::u16string& id, const std::u16string& name,
                            const std::u16string& value) override {
        auto* e = Find(id);
        if (e == nullptr || !w_.Alive()) {
            return false;
        }
        std::u16string member = ToLower(name);
        if (member == u"outerhtml" && value.empty()) {
            w_.page.document->elements.erase(id);
            return true;
        }
        auto it = e->properties.find(member);
        if (it == e->properties.end()) {
            return false;
        }
        it->second = value;
        return true;
    }

    bool CallElementMethod(const std::u16string& id, const std::u16string& name) override {
        auto* e = Find(id);
        return e != nullptr && w_.Alive() && e->properties.count(u"@" + ToLower(name)) != 0;
    }

  private:
    PageElement* Find(const std::u16string& id) {
        if (!w_.page.document) {
            return nullptr;
        }
        auto it = w_.page.document->elements.find(id);
        return it == w_.page.document->elements.end() ? nullptr : &it->second;
    }

    PageDocument ServicePage() const {
        PageDocument doc;
        doc.elements[u"text"].properties = {{u"outerhtml", u"<textarea id=\"text\"></textarea>"},
                                            {u"value", u""}};
        doc.elements[u"btn"].properties = {{u"outerhtml", u"<button id=\"btn\">Translate</button>"},
                                           {u"@click", u""}};
        doc.elements[u"translation"].properties = {{u"outerhtml", u"<div id=\"translation\"></div>"},
                                                   {u"innertext", u""}};
        if (w_.page.version) {
            doc.elements[u"version"].properties = {{u"value", *w_.page.version}};
        }
        if (w_.page.download) {
            doc.elements[u"download"].properties = {{u"value", *w_.page.download}};
        }
        return doc;
    }

    SimWorld& w_;
};

// ---------------------------------------------------------------------------------------------
// Clipboard: nobody can open it yet, so every operation fails as it would on a clipboard that
// another program holds.

class SimDesktop::ClipboardApi : public Clipboard {
  public:
    bool OpenClipboard(Hwnd) override { return false; }
    bool CloseClipboard() override { return false; }
    bool EmptyClipboard() override { return false; }
    int CountClipboardFormats() override { return 0; }
    std::uint32_t EnumClipboardFormats(std::uint32_t) override { return 0; }
    bool IsClipboardFormatAvailable(std::uint32_t) override { return false; }
    MemHandle GetClipboardData(std::uint32_t) override { return 0; }
    MemHandle SetClipboardData(std::uint32_t, MemHandle) override { return 0; }
    std::uint32_t RegisterClipboardFormat(const std::string&) override { return 0; }
    std::optional<std::string> GetClipboardFormatName(std::uint32_t, std::size_t) override {
        return std::nullopt;
    }
    MemHandle GlobalAlloc(std::uint32_t, std::size_t) override { return 0; }
    std::size_t GlobalSize(MemHandle) override { return 0; }
    std::vector<std::uint8_t> GlobalRead(MemHandle) override { return {}; }
    bool GlobalWrite(MemHandle, const std::vector<std::uint8_t>&) override { return false; }
    void GlobalFree(MemHandle) override {}
    std::uint32_t DragQueryFileCount(MemHandle) override { return 0; }
    std::optional<std::string> DragQueryFile(MemHandle, std::uint32_t, std::size_t) override {
        return std::nullopt;
    }
};

// ---------------------------------------------------------------------------------------------
// Processes

class SimDesktop::ProcessesApi : public Processes {
  public:
    explicit ProcessesApi(SimWorld& w) : w_(w) {}

    KernelHandle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t /*pid*/) override {
        if ((flags & kTh32csSnapProcess) == 0) {
            return 0;
        }
        KernelHandle h = nextHandle_++;
        snapshots_[h] = Snapshot{w_.processes, 0};
        return h;
    }

    bool Process32First(KernelHandle snapshot, ProcessEntry32& entry) override {
        auto it = snapshots_.find(snapshot);
        if (it == snapshots_.end() || entry.dwSize != kProcessEntry32Size) {
            return false;
        }
        it->second.next = 0;
        return Next(it->second, entry);
    }

    bool Process32Next(KernelHandle snapshot, ProcessEntry32& entry) override {
        auto it = snapshots_.find(snapshot);
        return it != snapshots_.end() && Next(it->second, entry);
    }

    KernelHandle OpenProcess(std::uint32_t /*access*/, bool /*inherit*/, std::uint32_t pid) override {
        // The idle and system processes cannot be opened, as on Windows.
        if (pid == 0 || pid == 4) {
            return 0;
        }
        for (const auto& p : w_.processes) {
            if (p.pid == pid) {
                KernelHandle h = nextHandle_++;
                opened_[h] = pid;
                return h;
            }
        }
        return 0;
    }

    std::optional<std::string> GetModuleFileNameEx(KernelHandle process, std::size_t maxChars) override {
        auto it = opened_.find(process);
        if (it == opened_.end()) {
            return std::nullopt;
        }
        for (const auto& p : w_.processes) {
            if (p.pid == it->second) {
                return p.modulePath.substr(0, maxChars > 0 ? maxChars - 1 : 0);
            }
        }
        return std::nullopt;  // ended since it was opened
    }

    void CloseHandle(KernelHandle handle) override {
        snapshots_.erase(handle);
        opened_.erase(handle);
    }

  private:
    struct Snapshot {
        std::vector<SimProcess> processes;
        std::size_t next = 0;
    };

    static bool Next(Snapshot& s, ProcessEntry32& entry) {
        if (s.next >= s.processes.size()) {
            return false;
        }
        const auto& p = s.processes[s.next++];
        std::uint32_t size = entry.dwSize;
        entry = ProcessEntry32{};
        entry.dwSize = size;
        entry.th32ProcessID = p.pid;
        entry.cntThreads = 1;
        entry.pcPriClassBase = 8;
        std::size_t n = std::min(p.exeFile.size(), entry.szExeFile.size() - 1);
        std::copy_n(p.exeFile.begin(), n, entry.szExeFile.begin());
        return true;
    }

    SimWorld& w_;
    KernelHandle nextHandle_ = 0x100;
    std::map<KernelHandle, Snapshot> snapshots_;
    std::map<KernelHandle, std::uint32_t> opened_;
};

// ---------------------------------------------------------------------------------------------
// Registry, tray, shell, process-wide facilities

class SimDesktop::StoreApi : public UserStore {
  public:
    explicit StoreApi(SimWorld& w) : w_(w) {}

    std::optional<std::u16string> GetSetting(const std::u16string& program, const std::u16string& section,
                                             const std::u16string& key) override {
        auto it = w_.registry.find(Key(program, section, key));
        if (it == w_.registry.end()) {
            return std::nullopt;
        }
        return it->second;
    }

    bool SaveSetting(const std::u16string& program, const std::u16string& section, const std::u16string& key,
                     const std::u16string& value) override {
        if (!w_.Alive()) {
            return false;
        }
        w_.registry[Key(program, section, key)] = value;
        return true;
    }

    // Registry keys and value names ignore letter case.
    static std::u16string Key(const std::u16string& program, const std::u16string& section,
                              const std::u16string& key) {
        return ToLower(program + u"\\" + section + u"\\" + key);
    }

  private:
    SimWorld& w_;
};

const char* TrayIconName(Picture p) {
    switch (p) {
        case Picture::TrayOrange:
            return "orange";
        case Picture::TrayBlue:
            return "blue";
        case Picture::TrayGrey:
            return "grey";
        default:
            return "none";
    }
}

const char* BalloonKindName(std::uint32_t flags) {
    switch (flags) {
        case kNiifError:
            return "error";
        case kNiifWarning:
            return "warning";
        default:
            return "info";
    }
}

class SimDesktop::TrayApi : public Tray {
  public:
    explicit TrayApi(SimWorld& w) : w_(w) {}

    bool ShellNotifyIcon(NotifyAction action, const NotifyIconData& data) override {
        if (!w_.Alive()) {
            return false;
        }
        auto& t = w_.tray;
        bool same = t.present && t.icon.owner == data.owner && t.icon.id == data.id;
        switch (action) {
            case NotifyAction::Add:
                if (t.present) {
                    return false;
                }
                t.present = true;
                t.icon = NotifyIconData{};
                t.icon.owner = data.owner;
                t.icon.id = data.id;
                Apply(data);
                return true;
            case NotifyAction::Modify:
                if (!same) {
                    return false;
                }
                Apply(data);
                return true;
            case NotifyAction::Delete:
                if (!same) {
                    return false;
                }
                t.present = false;
                t.balloon.reset();
                w_.Trace("tray icon=absent");
                return true;
        }
        return false;
    }

  private:
    void Apply(const NotifyIconData& data) {
        auto& t = w_.tray;
        std::string before = Describe();
        if (data.flags & kNifMessage) {
            t.icon.callbackMessage = data.callbackMessage;
        }
        if (data.flags & kNifIcon) {
            t.icon.icon = data.icon;
        }
        if (data.flags & kNifTip) {
            t.icon.tip = data.tip;
        }
        std::string after = Describe();
        if (after != before) {
            w_.Trace("tray " + after);
        }
        if (data.flags & kNifInfo) {
            t.balloon = data;
            w_.Trace("balloon " + QuoteText(data.infoTitle) + " " + QuoteText(data.info) + " " +
                     BalloonKindName(data.infoFlags));
        }
    }

    std::string Describe() const {
        return std::string("icon=") + TrayIconName(w_.tray.icon.icon) + " tip=" + QuoteText(w_.tray.icon.tip);
    }

    SimWorld& w_;
};

class SimDesktop::ShellApi : public Shell {
  public:
    explicit ShellApi(SimWorld& w) : w_(w) {}

    std::intptr_t ShellExecute(Hwnd /*owner*/, const std::u16string& target) override {
        if (!w_.Alive()) {
            return 0;
        }
        std::intptr_t code = 42;
        if (auto it = w_.shellAnswers.find(target); it != w_.shellAnswers.end()) {
            code = it->second;
        } else if (auto star = w_.shellAnswers.find(u"*"); star != w_.shellAnswers.end()) {
            code = star->second;
        }
        if (code > 32) {
            w_.shellOpened.push_back(target);
        }
        w_.Trace("shell open " + QuoteText(target) + " -> " + std::to_string(code));
        return code;
    }

    bool StartCommandLine(const std::u16string& commandLine) override {
        if (!w_.Alive()) {
            return false;
        }
        w_.started.push_back(commandLine);
        w_.Trace("started " + QuoteText(commandLine));
        return true;
    }

    int MessageBox(const std::u16string& text, const std::u16string& title, std::uint32_t style) override {
        w_.lastMessageBox = SimWorld::MessageBoxShown{title, text, style};
        w_.Trace("messagebox " + DescribeMessageBox(*w_.lastMessageBox));
        // The simulated user reads the box and presses OK.
        return 1;
    }

  private:
    SimWorld& w_;
};

class SimDesktop::EnvApi : public ProcessEnv {
  public:
    explicit EnvApi(SimWorld& w) : w_(w) {}

    std::u16string ExeDirectory() override { return w_.exeDirectory; }
    std::u16string ExeBaseName() override { return w_.exeBaseName; }
    std::u16string CommandLineArgs() override { return w_.args; }
    bool AcquireSingleInstance(const std::u16string& /*name*/) override { return !w_.anotherInstance; }

    void TerminateProcess(std::uint32_t exitCode) override {
        if (!w_.Alive()) {
            return;
        }
        w_.state = ProgramState::Terminated;
        w_.exitCode = static_cast<int>(exitCode);
        w_.menuOpen = false;
        w_.Trace("terminated " + std::to_string(exitCode));
    }

    void EndProgram(int exitCode) override {
        if (!w_.Alive()) {
            return;
        }
        w_.state = ProgramState::Exited;
        w_.exitCode = exitCode;
        w_.menuOpen = false;
        w_.Trace("exit " + std::to_string(exitCode));
    }

    std::optional<FileVersion> GetFileVersion() override { return w_.version; }

    std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::u16string& path) override {
        auto it = w_.files.find(ToLower(path));
        if (it == w_.files.end()) {
            return std::nullopt;
        }
        return it->second;
    }

    ChecksumLibrary* LoadChecksumLibrary() override { return nullptr; }

  private:
    SimWorld& w_;
};

// ---------------------------------------------------------------------------------------------

SimDesktop::SimDesktop()
    : loop_(std::make_unique<Loop>(*this)),
      desktop_(std::make_unique<DesktopApi>(world_)),
      ui_(std::make_unique<SimUi>(world_)),
      browser_(std::make_unique<BrowserApi>(world_)),
      clipboard_(std::make_unique<ClipboardApi>()),
      processes_(std::make_unique<ProcessesApi>(world_)),
      store_(std::make_unique<StoreApi>(world_)),
      tray_(std::make_unique<TrayApi>(world_)),
      shell_(std::make_unique<ShellApi>(world_)),
      env_(std::make_unique<EnvApi>(world_)) {
    platform_ = std::make_unique<Platform>(Platform{*loop_, *desktop_, *ui_, *browser_, *clipboard_,
                                                    *processes_, *store_, *tray_, *shell_, *env_});
    // The processes every Windows desktop has, and the shell's desktop window in front.
    world_.processes.push_back(SimProcess{0, "[System Process]", ""});
    world_.processes.push_back(SimProcess{4, "System", ""});
    world_.processes.push_back(SimProcess{1100, "explorer.exe", "C:\\Windows\\explorer.exe"});
    SimWindow desk;
    desk.hwnd = world_.nextHwnd++;
    desk.pid = 1100;
    desk.className = u"Progman";
    desk.rect = {0, 0, world_.screenW, world_.screenH};
    desk.visible = true;
    world_.desktopWindow = desk.hwnd;
    world_.foreground = desk.hwnd;
    world_.windows[desk.hwnd] = desk;
}

SimDesktop::~SimDesktop() = default;

void SimDesktop::StartProgram() {
    world_.programPid = world_.nextPid++;
    std::u16string exe = world_.exeBaseName + u".exe";
    world_.processes.push_back(
        SimProcess{world_.programPid, Utf16ToAnsi(exe), Utf16ToAnsi(world_.exeDirectory + u"\\" + exe)});
    ui_->SetProgramPid(world_.programPid);
    if (auto* desk = world_.Window(world_.desktopWindow)) {
        desk->rect = {0, 0, world_.screenW, world_.screenH};
    }
    world_.state = ProgramState::Running;
}

SimApp& SimDesktop::AddApp(const std::u16string& exe, CopyBehaviour copy, RectPx rect,
                           const std::u16string& className, const std::u16string& selection) {
    SimApp app;
    app.exe = exe;
    app.pid = world_.nextPid++;
    app.copy = copy;
    app.selection = selection;
    // A process whose executable cannot be found is not in the snapshot at all.
    if (!exe.empty()) {
        world_.processes.push_back(SimProcess{app.pid, Utf16ToAnsi(exe), Utf16ToAnsi(u"C:\\Apps\\" + exe)});
    }
    SimWindow w;
    w.hwnd = world_.nextHwnd++;
    w.pid = app.pid;
    w.className = className;
    w.rect = rect;
    w.visible = true;
    app.window = w.hwnd;
    world_.windows[w.hwnd] = w;
    world_.apps.push_back(app);
    return world_.apps.back();
}

void SimDesktop::SetForeground(const SimApp* app) {
    world_.foreground = app ? app->window : world_.desktopWindow;
    world_.Trace("foreground " + (app ? QuoteText(app->exe) : std::string("none")));
}

void SimDesktop::TaskbarRestart() {
    // The new taskbar starts empty; every top-level window hears "TaskbarCreated".
    world_.tray.present = false;
    world_.tray.balloon.reset();
    world_.Trace("taskbar restarted");
    if (!world_.Alive()) {
        return;
    }
    std::vector<WindowEvents*> listeners;
    for (auto& [h, w] : world_.windows) {
        if (w.isForm && w.events) {
            listeners.push_back(w.events);
        }
    }
    for (auto* l : listeners) {
        l->OnTaskbarCreated();
    }
}

SizeTwips SimMeasureText(const std::u16string& text, double sizePt, bool wordWrap, double widthTwips) {
    double unit = static_cast<double>(RoundHalfEven(sizePt * 10.0));
    double line = static_cast<double>(RoundHalfEven(sizePt * 24.0));
    if (!wordWrap) {
        return {unit * static_cast<double>(text.size()), line};
    }
    std::size_t perLine =
        unit > 0 ? static_cast<std::size_t>(std::max(1.0, std::floor(widthTwips / unit))) : text.size() + 1;
    std::size_t lines = 0;
    // Paragraphs end at CR LF, CR or LF.
    std::vector<std::u16string> paragraphs;
    std::u16string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            paragraphs.push_back(current);
            current.clear();
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
        } else {
            current += text[i];
        }
    }
    paragraphs.push_back(current);
    for (const auto& para : paragraphs) {
        std::size_t lineLen = 0;
        bool lineStarted = false;
        for (auto word : Split(para, u' ')) {
            std::size_t candidate = lineStarted ? lineLen + 1 + word.size() : word.size();
            if (candidate <= perLine) {
                lineLen = candidate;
                lineStarted = true;
                continue;
            }
            if (lineStarted) {
                ++lines;
            }
            while (word.size() > perLine) {
                ++lines;
                word.erase(0, perLine);
            }
            lineLen = word.size();
            lineStarted = true;
        }
        ++lines;
    }
    return {widthTwips, line * static_cast<double>(lines)};
}

}  // namespace plv::sim
