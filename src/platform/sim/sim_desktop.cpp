#include "platform/sim/sim_desktop.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "base/numbers.h"
#include "base/text.h"
#include "platform/hash2_loader.h"
#include "platform/sim/sim_ui.h"

namespace plv::sim {

// ---------------------------------------------------------------------------------------------
// The world

void SimWorld::Trace(const std::string& line, const std::string& key) {
    if (!tracer) {
        return;
    }
    std::string stamped = "t=" + std::to_string(now) + " " + line;
    if (!key.empty() && !traceBuffer.empty() && traceBuffer.back().first == key) {
        traceBuffer.back().second = stamped;
        return;
    }
    traceBuffer.emplace_back(key.empty() ? "" : key, stamped);
}

void SimWorld::FlushTrace() {
    for (const auto& [key, line] : traceBuffer) {
        tracer(line);
    }
    traceBuffer.clear();
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

bool SimWorld::BundledPage(const std::u16string& url, bool* ok) const {
    const std::u16string host = u"http://127.0.0.1:";
    auto portOf = [&](std::uint16_t port) { return host + Utf8ToUtf16(std::to_string(port)) + u"/"; };
    bool ours = false;
    for (std::uint16_t p : service.ports) {
        ours = ours || url.rfind(portOf(p), 0) == 0;
    }
    if (ours) {
        std::string key = service.input.substr(0, service.input.find('\n'));
        *ok = ServiceRuns() && url.rfind(portOf(service.port) + u"key/" + Utf8ToUtf16(key) + u"/", 0) == 0;
    }
    return ours;
}

void SimWorld::EndService() {
    service.running = false;
    Trace("service exited");
    if (auto onExit = std::move(service.onExit)) {
        Schedule(now, [this, onExit] {
            if (Alive()) {
                onExit();
            }
        });
    }
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
        if (t.destroyed) {
            return;
        }
        t.interval = intervalMs;
        t.enabled = enabled;
        t.due = (enabled && intervalMs > 0) ? std::optional<std::int64_t>(w_.now + intervalMs) : std::nullopt;
    }

    void DestroyTimer(TimerId id) override {
        if (id == 0 || id > w_.timers.size()) {
            return;
        }
        auto& t = w_.timers[id - 1];
        t.destroyed = true;
        t.due.reset();
        t.tick = nullptr;
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
    if (to > world_.now) {
        world_.FlushTrace();
    }
    for (;;) {
        auto next = std::min_element(
            world_.events.begin(), world_.events.end(),
            [](const auto& a, const auto& b) { return a.at != b.at ? a.at < b.at : a.seq < b.seq; });
        if (next == world_.events.end() || next->at > to) {
            break;
        }
        if (next->at > world_.now) {
            world_.FlushTrace();
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
    static constexpr std::int64_t kSendTimeoutMs = 200;

    DesktopApi(SimWorld& w, std::function<void(std::int64_t)> advance)
        : w_(w), advance_(std::move(advance)) {}

    Hwnd GetForegroundWindow() override { return w_.foreground; }
    PointPx GetCursorPos() override { return w_.cursor; }

    std::int16_t GetAsyncKeyState(int vk) override {
        // Mouse buttons are reported as the physical buttons, whatever the swap setting says.
        int index = vk == 1 ? 0 : vk == 2 ? 1 : vk == 4 ? 2 : -1;
        if (index >= 0 && w_.buttonDown[index]) {
            return std::numeric_limits<std::int16_t>::min();
        }
        // Shift, Ctrl and Alt are down when either of their keys is.
        static const std::map<int, std::vector<int>> sides = {
            {0x10, {0xA0, 0xA1}}, {0x11, {0xA2, 0xA3}}, {0x12, {0xA4, 0xA5}}};
        bool down = w_.userKeys.count(vk) > 0;
        if (auto it = sides.find(vk); it != sides.end()) {
            for (int side : it->second) {
                down = down || w_.userKeys.count(side) > 0;
            }
        }
        return down ? std::numeric_limits<std::int16_t>::min() : std::int16_t{0};
    }

    // The scan codes of an English (US) keyboard.
    std::uint32_t ScanCodeOf(std::uint8_t vk) override {
        static const std::map<std::uint8_t, std::uint32_t> codes = {{0x10, 0x2A}, {0x11, 0x1D}, {0x12, 0x38},
                                                                    {0x2D, 0x52}, {0x43, 0x2E}, {0x45, 0x12}};
        auto it = codes.find(vk);
        return it != codes.end() ? it->second : 0;
    }

    bool IsWindowAboveOwnIntegrity(Hwnd window) override {
        SimApp* app = w_.AppByWindow(window);
        return app != nullptr && app->elevated;
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

    // A window that does not handle WM_COPY leaves it to DefWindowProc, which answers 0 too. A
    // hung one keeps the caller waiting for the whole time-out, with nothing of the program
    // running meanwhile.
    std::optional<std::intptr_t> SendCopyMessage(Hwnd window) override {
        SimApp* app = w_.AppByWindow(window);
        if (app && app->elevated) {
            return std::nullopt;  // refused at once: ERROR_ACCESS_DENIED
        }
        if (app && app->copy == CopyBehaviour::Hang) {
            advance_(w_.now + kSendTimeoutMs);
            return std::nullopt;
        }
        if (app && app->copy == CopyBehaviour::Message) {
            w_.AppCopies(*app);
        }
        return 0;
    }

    // Keystrokes go to the window in front, which acts on a key going down while Ctrl is down.
    void KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) override {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%X/%X/%X", vk, scan, flags);
        w_.keys.emplace_back(buf);
        bool down = (flags & kKeyEventKeyUp) == 0;
        if (vk == 0x11) {
            w_.ctrlDown = down;
            return;
        }
        SimApp* app = w_.AppByWindow(w_.foreground);
        if (!down || !w_.ctrlDown || app == nullptr || app->elevated) {
            return;
        }
        // The user's Shift, Alt or Windows key makes another chord of it, which copies nothing.
        for (int held : {0x10, 0x12, 0x5B, 0x5C, 0xA0, 0xA1, 0xA4, 0xA5}) {
            if (w_.userKeys.count(held) > 0) {
                ++app->garbledChords;
                w_.Trace(QuoteText(app->exe) + " got a chord with a held key");
                return;
            }
        }
        if (vk == 0x2D && app->copy == CopyBehaviour::Insert) {
            w_.AppCopies(*app);
        } else if (vk == 0x43) {
            if (IsConsoleClass(app->className) || IsTerminalExe(app->exe)) {
                ++app->interrupts;
                w_.Trace(QuoteText(app->exe) + " interrupted by Ctrl+C");
            } else if (app->copy == CopyBehaviour::CtrlC) {
                w_.AppCopies(*app);
            } else if (app->copy == CopyBehaviour::Late) {
                Hwnd window = app->window;
                w_.Schedule(w_.now + 150, [this, window] {
                    if (SimApp* a = w_.AppByWindow(window)) {
                        w_.AppCopies(*a);
                    }
                });
            }
        }
    }

    // The simulator's own list, kept apart from the program's on purpose: it is the world the
    // program is tested against, so a class the program forgot must still be interrupted here.
    static bool IsConsoleClass(const std::u16string& cls) {
        for (const char16_t* c : {u"ConsoleWindowClass", u"CASCADIA_HOSTING_WINDOW_CLASS", u"mintty",
                                  u"PuTTY", u"VirtualConsoleClass"}) {
            if (cls == c) {
                return true;
            }
        }
        return false;
    }

    static bool IsTerminalExe(const std::u16string& exe) {
        std::u16string name = ToLower(exe);
        for (const char16_t* t : {u"windowsterminal.exe", u"alacritty.exe", u"wezterm-gui.exe", u"mintty.exe",
                                  u"conemu64.exe", u"mobaxterm.exe", u"kitty.exe", u"tabby.exe"}) {
            if (name == t) {
                return true;
            }
        }
        return false;
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

    MonitorArea MonitorAt(PointPx at) override {
        RectPx screen{0, 0, w_.screenW, w_.screenH};
        std::vector<MonitorArea> single{{screen, screen}};
        const auto& all = w_.monitors.empty() ? single : w_.monitors;
        // The monitor that shows the point, else the one nearest to it (the first of equals).
        const MonitorArea* best = &all.front();
        std::int64_t bestDistance = -1;
        for (const auto& m : all) {
            const RectPx& r = m.monitor;
            std::int64_t dx = at.x < r.left ? r.left - at.x : (at.x >= r.right ? at.x - (r.right - 1) : 0);
            std::int64_t dy = at.y < r.top ? r.top - at.y : (at.y >= r.bottom ? at.y - (r.bottom - 1) : 0);
            std::int64_t d = dx * dx + dy * dy;
            if (bestDistance < 0 || d < bestDistance) {
                best = &m;
                bestDistance = d;
            }
        }
        return *best;
    }

    std::int32_t DpiX() override { return w_.dpiX; }
    std::int32_t DpiY() override { return w_.dpiY; }

    std::optional<OsVersionInfo> GetVersionEx() override {
        return OsVersionInfo{w_.osVersion / 100, w_.osVersion % 100};
    }

    bool SetForegroundWindow(Hwnd window) override {
        if (!w_.Runs() || w_.Window(window) == nullptr) {
            return false;
        }
        w_.foreground = window;
        return true;
    }

    void SetActiveWindow(Hwnd /*window*/) override {}
    std::optional<std::u16string> DragSelectionText() override { return std::nullopt; }
    bool IsShellWindow(Hwnd /*window*/, const std::u16string& exeName) override {
        return exeName == u"explorer.exe";
    }
    std::u16string WindowAppName(Hwnd /*window*/) override { return {}; }

  private:
    SimWorld& w_;
    std::function<void(std::int64_t)> advance_;
};

// ---------------------------------------------------------------------------------------------
// The service page in the browser control

class SimDesktop::BrowserApi : public Browser {
  public:
    explicit BrowserApi(SimWorld& w) : w_(w) {}

    void UseEngine(const BrowserChoice& choice) override { w_.page.engine = choice; }

    std::u16string TakeProblem() override {
        auto& problems = w_.page.problems;
        if (problems.empty()) {
            return {};
        }
        std::u16string problem = problems.front();
        problems.erase(problems.begin());
        return problem;
    }

    void Navigate(const std::u16string& url) override {
        if (!w_.Runs()) {
            return;
        }
        auto& page = w_.page;
        page.engineGone = false;
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
            // A page that cannot be loaded shows the browser's error page: no element of ours.
            bool served = true;
            w_.BundledPage(p.url, &served);
            p.document = p.never || !served ? PageDocument{} : ServicePage();
            ++p.clickSerial;
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
        if (e == nullptr || !w_.Runs()) {
            return false;
        }
        std::u16string member = ToLower(name);
        auto it = e->properties.find(member);
        if (it == e->properties.end()) {
            return false;
        }
        if (member == u"outerhtml") {
            // Replacing an element's outer HTML with nothing takes it out of the document.
            if (value.empty()) {
                w_.page.document->elements.erase(id);
            }
            return true;
        }
        it->second = value;
        if (id == u"text" && member == u"value") {
            w_.page.sent = value;
        }
        return true;
    }

    bool CallElementMethod(const std::u16string& id, const std::u16string& name) override {
        auto* e = Find(id);
        if (e == nullptr || !w_.Runs() || e->properties.count(u"@" + ToLower(name)) == 0) {
            return false;
        }
        if (id == u"btn" && ToLower(name) == u"click") {
            Translate();
        }
        return true;
    }

    bool EngineGone() override { return w_.page.engineGone; }

  private:
    PageElement* Find(const std::u16string& id) {
        if (!w_.page.document || w_.page.engineGone) {
            return nullptr;
        }
        auto it = w_.page.document->elements.find(id);
        return it == w_.page.document->elements.end() ? nullptr : &it->second;
    }

    // The page empties "translation" and "error" at the click and fills one of them when the
    // answer is complete; a newer click or a new document makes an older answer go nowhere.
    void Translate() {
        auto& p = w_.page;
        ++p.requests;
        std::u16string source;
        if (auto* text = Find(u"text")) {
            source = text->properties[u"value"];
        }
        if (auto* out = Find(u"translation")) {
            out->properties[u"innertext"] = u"";
        }
        if (auto* error = Find(u"error"); error != nullptr && !p.keepsError) {
            error->properties[u"innertext"] = u"";
        }
        w_.Trace("page request " + QuoteText(source));
        if (p.silent) {
            return;
        }
        std::uint64_t serial = ++p.clickSerial;
        if (p.error) {
            w_.Schedule(w_.now + p.answerAfterMs, [this, serial, error = *p.error] {
                bool served = true;
                w_.BundledPage(w_.page.url, &served);
                if (serial != w_.page.clickSerial || !served) {
                    return;
                }
                if (auto* line = Find(u"error")) {
                    line->properties[u"innertext"] = error;
                    w_.Trace("page error " + QuoteText(error));
                }
            });
            return;
        }
        std::u16string answer = p.answer.value_or(u"[" + source + u"]");
        if (!p.engineUrl.empty() && w_.engineTranslate) {
            // A real server: the page shows an error elsewhere, so a failure leaves no answer.
            auto [from, to] = Direction();
            auto translated = w_.engineTranslate(p.engineUrl, source, from, to);
            if (!translated || translated->empty()) {
                return;
            }
            answer = *translated;
        }
        w_.Schedule(w_.now + p.answerAfterMs, [this, serial, answer] {
            bool served = true;
            w_.BundledPage(w_.page.url, &served);
            if (serial != w_.page.clickSerial || !served) {
                return;  // overtaken, or the service behind the page has ended
            }
            // The credit of the engine that answered is in place before the translation is.
            if (w_.page.credit && w_.page.document) {
                w_.page.document->elements[u"attribution"].properties = {
                    {u"outerhtml", u"<a id=\"attribution\"></a>"},
                    {u"innertext", *w_.page.credit},
                    {u"href", w_.page.creditLink}};
            }
            if (auto* out = Find(u"translation")) {
                out->properties[u"innertext"] = answer;
                w_.Trace("page answer " + QuoteText(answer));
            }
        });
    }

    // The direction in the page's address: "?dir=en-es" gives en and es.
    std::pair<std::u16string, std::u16string> Direction() const {
        const std::u16string& url = w_.page.url;
        std::size_t at = url.find(u"dir=");
        std::u16string dir = at == std::u16string::npos ? u"" : url.substr(at + 4);
        dir = dir.substr(0, dir.find(u'&'));
        std::size_t dash = dir.find(u'-');
        if (dash == std::u16string::npos) {
            return {dir, u""};
        }
        return {dir.substr(0, dash), dir.substr(dash + 1)};
    }

    // Asks the translation server for the direction's name once per document in engine mode.
    PageDocument ServicePage() {
        auto& p = w_.page;
        if (!p.engineUrl.empty() && !p.fromto && w_.engineDirectionName) {
            auto [from, to] = Direction();
            p.fromto = w_.engineDirectionName(p.engineUrl, from, to);
        }
        PageDocument doc;
        doc.elements[u"text"].properties = {{u"outerhtml", u"<textarea id=\"text\"></textarea>"},
                                            {u"value", u""}};
        doc.elements[u"btn"].properties = {{u"outerhtml", u"<button id=\"btn\">Translate</button>"},
                                           {u"@click", u""}};
        doc.elements[u"translation"].properties = {{u"outerhtml", u"<div id=\"translation\"></div>"},
                                                   {u"innertext", u""}};
        doc.elements[u"error"].properties = {{u"outerhtml", u"<div id=\"error\"></div>"},
                                             {u"innertext", u""}};
        if (p.fromto) {
            doc.elements[u"fromto"].properties = {{u"outerhtml", u"<span id=\"fromto\"></span>"},
                                                  {u"innertext", *p.fromto}};
        }
        if (p.version) {
            doc.elements[u"version"].properties = {{u"outerhtml", u"<input id=\"version\">"},
                                                   {u"value", *p.version}};
        }
        if (p.download) {
            doc.elements[u"download"].properties = {{u"outerhtml", u"<input id=\"download\">"},
                                                    {u"value", *p.download}};
        }
        for (const auto& id : p.missing) {
            doc.elements.erase(id);
        }
        return doc;
    }

    SimWorld& w_;
};

// ---------------------------------------------------------------------------------------------
// Clipboard

MemHandle SimWorld::NewBlock(std::vector<std::uint8_t> bytes) {
    MemHandle h = clipboard.nextBlock;
    clipboard.nextBlock += 8;
    clipboard.blocks[h] = std::move(bytes);
    return h;
}

namespace {

// The formats Windows makes from others, besides the two text formats of platform.h.
constexpr std::uint32_t kCfBitmap = 2;
constexpr std::uint32_t kCfMetafilePict = 3;
constexpr std::uint32_t kCfOemText = 7;
constexpr std::uint32_t kCfDib = 8;
constexpr std::uint32_t kCfEnhMetafile = 14;
constexpr std::uint32_t kCfLocale = 16;
constexpr std::uint32_t kCfDibV5 = 17;
constexpr std::uint32_t kCfOwnerDisplay = 0x80;
constexpr std::uint32_t kCfGdiObjFirst = 0x300;
constexpr std::uint32_t kCfGdiObjLast = 0x3FF;

bool Contains(const std::vector<std::uint32_t>& formats, std::uint32_t format) {
    return std::find(formats.begin(), formats.end(), format) != formats.end();
}

}  // namespace

std::vector<std::uint32_t> SimWorld::AvailableFormats() const {
    std::vector<std::uint32_t> set;
    for (const auto& [f, h] : clipboard.formats) {
        set.push_back(f);
    }
    // After the formats that were set, Windows offers the ones it makes from them: the locale of
    // text that came without one, then the other text formats, the other metafile format and the
    // other bitmap formats.
    std::vector<std::uint32_t> out = set;
    auto family = [&](std::initializer_list<std::uint32_t> members) {
        bool present = false;
        for (std::uint32_t f : members) {
            present = present || Contains(set, f);
        }
        for (std::uint32_t f : members) {
            if (present && !Contains(set, f)) {
                out.push_back(f);
            }
        }
    };
    bool text = Contains(set, kCfText) || Contains(set, kCfOemText) || Contains(set, kCfUnicodeText);
    if (text && !Contains(set, kCfLocale)) {
        out.push_back(kCfLocale);
    }
    family({kCfText, kCfOemText, kCfUnicodeText});
    family({kCfMetafilePict, kCfEnhMetafile});
    family({kCfBitmap, kCfDib, kCfDibV5});
    return out;
}

namespace {

// The text of a block up to its first zero, for the two text formats, and blocks of text.
std::string AnsiOf(const std::vector<std::uint8_t>& b) {
    return UntilNul(std::string(b.begin(), b.end()));
}

std::u16string UnicodeOf(const std::vector<std::uint8_t>& b) {
    return UntilNul(FromUtf16Le(b));
}

std::vector<std::uint8_t> AnsiBlock(const std::string& s) {
    std::vector<std::uint8_t> b(s.begin(), s.end());
    b.push_back(0);
    return b;
}

// The OEM code page of an English system (437): ASCII, then these 128 characters.
constexpr char16_t kOemHigh[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
    0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320,
    0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

std::u16string OemToUtf16(const std::string& oem) {
    std::u16string out;
    for (char c : oem) {
        auto b = static_cast<std::uint8_t>(c);
        out += b < 0x80 ? static_cast<char16_t>(b) : kOemHigh[b - 0x80];
    }
    return out;
}

// The formats a format may be made from; empty for formats Windows never makes.
std::vector<std::uint32_t> SourcesOf(std::uint32_t format) {
    switch (format) {
        case kCfBitmap:
            return {kCfDib, kCfDibV5};
        case kCfDib:
            return {kCfBitmap, kCfDibV5};
        case kCfDibV5:
            return {kCfBitmap, kCfDib};
        case kCfMetafilePict:
            return {kCfEnhMetafile};
        case kCfEnhMetafile:
            return {kCfMetafilePict};
        case kCfOemText:
            return {kCfText, kCfUnicodeText};
        case kCfLocale:
            return {kCfText, kCfOemText, kCfUnicodeText};
        default:
            return {};
    }
}

}  // namespace

MemHandle SimWorld::ClipboardBlock(std::uint32_t format) {
    auto& c = clipboard;
    auto set = [&](std::uint32_t f) -> const std::vector<std::uint8_t>* {
        for (const auto& [sf, h] : c.formats) {
            if (sf == f) {
                return &c.blocks[h];
            }
        }
        return nullptr;
    };
    for (const auto& [f, h] : c.formats) {
        if (f == format) {
            // Asked for, an owner that answers renders it (at once here: the simulated program is
            // not kept waiting); one that does not answer gives nothing.
            if (h == 0 && c.delayed.count(format) && c.delayed[format].renderMs >= 0) {
                ClipboardRender(format);
                return ClipboardBlock(format);
            }
            return h;
        }
    }
    if (!Contains(AvailableFormats(), format)) {
        return 0;
    }
    if (auto it = c.synthesized.find(format); it != c.synthesized.end()) {
        return it->second;
    }
    std::vector<std::uint8_t> bytes;
    if (format == kCfLocale) {
        for (int i = 0; i < 4; ++i) {
            bytes.push_back(static_cast<std::uint8_t>(c.inputLocale >> (8 * i)));
        }
    } else if (format == kCfText || format == kCfUnicodeText) {
        // Made from the Unicode text when there is one, else from the ANSI text, else the OEM text.
        std::u16string text;
        if (const auto* u = set(kCfUnicodeText)) {
            text = UnicodeOf(*u);
        } else if (const auto* a = set(kCfText)) {
            text = AnsiToUtf16(AnsiOf(*a));
        } else if (const auto* o = set(kCfOemText)) {
            text = OemToUtf16(AnsiOf(*o));
        }
        bytes = format == kCfUnicodeText ? ToUtf16Le(text, true) : AnsiBlock(Utf16ToAnsi(text));
    } else {
        // The simulator draws no pictures and makes no OEM text: a bitmap or metafile made from
        // another, or the OEM text, has no data here (a save leaves them out anyway).
        return 0;
    }
    MemHandle h = NewBlock(std::move(bytes));
    c.synthesized[format] = h;
    return h;
}

void SimWorld::ClipboardClear() {
    auto& c = clipboard;
    for (const auto& [f, h] : c.formats) {
        c.blocks.erase(h);
    }
    for (const auto& [f, h] : c.synthesized) {
        c.blocks.erase(h);
    }
    c.formats.clear();
    c.synthesized.clear();
    c.delayed.clear();
}

void SimWorld::ClipboardAdd(Hwnd owner, std::uint32_t format, const std::vector<std::uint8_t>& bytes,
                            std::optional<std::int64_t> renderMs) {
    auto delayed = clipboard.delayed;
    delayed.erase(format);
    if (renderMs) {
        delayed[format] = ClipboardState::Delayed{bytes, *renderMs};
    }
    std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>> data;
    for (const auto& [f, h] : clipboard.formats) {
        if (f != format) {
            data.emplace_back(f, h == 0 ? std::vector<std::uint8_t>{} : clipboard.blocks[h]);
        }
    }
    data.emplace_back(format, bytes);
    ClipboardReplace(owner, data);
    for (auto& [f, h] : clipboard.formats) {
        if (delayed.count(f)) {
            clipboard.blocks.erase(h);
            h = 0;
        }
    }
    clipboard.delayed = std::move(delayed);
}

void SimWorld::ClipboardRender(std::uint32_t format) {
    auto& c = clipboard;
    auto it = c.delayed.find(format);
    if (it == c.delayed.end()) {
        return;
    }
    for (auto& [f, h] : c.formats) {
        if (f == format && h == 0) {
            h = NewBlock(std::move(it->second.bytes));
        }
    }
    c.delayed.erase(it);
}

void SimWorld::ClipboardOwnerAnswers() {
    while (!clipboard.delayed.empty()) {
        ClipboardRender(clipboard.delayed.begin()->first);
    }
    if (clipboard.saveWaiting) {
        clipboard.saveWaiting = false;
        clipboard.lockedUntil = now;
    }
}

void SimWorld::ClipboardReplace(
    Hwnd owner, const std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>>& data) {
    ClipboardClear();
    clipboard.owner = owner;
    for (const auto& [f, bytes] : data) {
        clipboard.formats.emplace_back(f, NewBlock(bytes));
    }
    ++clipboard.sequence;
    ClipboardNotifyWatchers();
}

void SimWorld::ClipboardNotifyWatchers() {
    // An emptied clipboard has nothing to read.
    if (clipboard.formats.empty()) {
        return;
    }
    for (const auto& a : apps) {
        if (a.watcherMs > 0) {
            clipboard.lockedUntil = std::max(clipboard.lockedUntil, now + a.watcherMs);
        }
    }
}

bool SimWorld::ClipboardHeldByOther(std::uint32_t pid) const {
    return (clipboard.open && clipboard.openerPid != pid) || now < clipboard.lockedUntil;
}

std::u16string SimWorld::ClipboardFormatName(std::uint32_t format) const {
    auto it = clipboard.registered.find(format);
    return it == clipboard.registered.end() ? u"" : AnsiToUtf16(it->second);
}

SimApp* SimWorld::AppByWindow(Hwnd window) {
    for (auto& a : apps) {
        if (a.window == window) {
            return &a;
        }
    }
    return nullptr;
}

void SimWorld::AppCopies(SimApp& app) {
    // An application copies only when it can open the clipboard and has something selected.
    if (ClipboardHeldByOther(app.pid) || app.selection.empty()) {
        Trace(QuoteText(app.exe) + " could not copy");
        return;
    }
    ClipboardReplace(app.window, {{kCfUnicodeText, ToUtf16Le(app.selection, true)}});
    Trace(QuoteText(app.exe) + " copied " + QuoteText(app.selection));
}

std::u16string SimClipboardText(SimWorld& world) {
    if (MemHandle h = world.ClipboardBlock(kCfUnicodeText)) {
        const auto& b = world.clipboard.blocks[h];
        if (b.size() > 2) {
            return UnicodeOf(b);
        }
    }
    MemHandle h = world.ClipboardBlock(kCfText);
    return h ? AnsiToUtf16(AnsiOf(world.clipboard.blocks[h])) : u"";
}

std::string DescribeClipboard(const SimWorld& world) {
    std::string out;
    for (const auto& [f, h] : world.clipboard.formats) {
        out += (out.empty() ? "" : " ") + std::to_string(f) + ":";
        if (h == 0) {
            out += "(delayed)";
            continue;
        }
        auto it = world.clipboard.blocks.find(h);
        for (std::uint8_t b : it == world.clipboard.blocks.end() ? std::vector<std::uint8_t>{} : it->second) {
            char buf[4];
            std::snprintf(buf, sizeof buf, "%02X", b);
            out += buf;
        }
    }
    return out.empty() ? "empty" : out;
}

class SimDesktop::ClipboardApi : public Clipboard {
  public:
    ClipboardApi(SimWorld& w, std::function<void(std::int64_t)> advance)
        : w_(w), advance_(std::move(advance)) {}

    // The worker's save, in the program's virtual time: it takes as long as the owners take to
    // render what they offered, and the program waits for it until the deadline at most.
    ClipboardContent SaveClipboardContent(std::uint32_t deadlineMs, std::size_t maxBytes,
                                          const std::vector<std::string>& skipNames) override {
        ClipboardContent content;
        auto& c = w_.clipboard;
        if (!w_.Runs() || c.open || w_.ClipboardHeldByOther(w_.programPid)) {
            return content;
        }
        c.open = true;
        c.openerPid = w_.programPid;
        c.openerWindow = 0;
        const std::int64_t start = w_.now;
        std::int64_t spent = 0;
        std::size_t total = 0;
        content.status = ClipboardSave::Saved;
        for (std::uint32_t f : w_.AvailableFormats()) {
            auto name = GetClipboardFormatName(f, 256);
            if (name && std::any_of(skipNames.begin(), skipNames.end(), [&](const std::string& skip) {
                    return EqualsIgnoreCase(AnsiToUtf16(skip), AnsiToUtf16(*name));
                })) {
                continue;
            }
            if (auto it = c.delayed.find(f); it != c.delayed.end()) {
                std::int64_t ms = it->second.renderMs;
                if (ms < 0 || spent + ms > deadlineMs) {
                    // The worker waits on; the clipboard stays open until the owner answers.
                    content.status = ClipboardSave::TimedOut;
                    if (ms < 0) {
                        c.saveWaiting = true;
                        c.lockedUntil = std::numeric_limits<std::int64_t>::max();
                    } else {
                        c.lockedUntil = start + spent + ms;
                        w_.Schedule(c.lockedUntil, [this, f] { w_.ClipboardRender(f); });
                    }
                    break;
                }
                spent += ms;
                w_.ClipboardRender(f);
            }
            if (MemHandle h = GetClipboardData(f)) {
                auto bytes = GlobalRead(h);
                total += bytes.size();
                if (total > maxBytes) {
                    content.status = ClipboardSave::TooLarge;
                    break;
                }
                content.formats.emplace_back(f, std::move(bytes));
            }
        }
        if (content.status != ClipboardSave::Saved) {
            content.formats.clear();
        }
        content.sequence = c.sequence;
        c.open = false;
        advance_(start + (content.status == ClipboardSave::TimedOut ? std::int64_t{deadlineMs} : spent));
        return content;
    }

    bool OpenClipboard(Hwnd owner) override {
        if (!w_.Runs() || w_.ClipboardHeldByOther(w_.programPid)) {
            return false;
        }
        auto& c = w_.clipboard;
        c.open = true;
        c.openerPid = w_.programPid;
        c.openerWindow = owner;
        return true;
    }

    bool CloseClipboard() override {
        if (!HeldByUs()) {
            return false;
        }
        w_.clipboard.open = false;
        w_.clipboard.openerWindow = 0;
        // Windows tells the clipboard's listeners of a change once the changer closes it.
        if (w_.clipboard.changedWhileOpen) {
            w_.clipboard.changedWhileOpen = false;
            w_.ClipboardNotifyWatchers();
        }
        return true;
    }

    bool EmptyClipboard() override {
        if (!HeldByUs()) {
            return false;
        }
        w_.ClipboardClear();
        // After a null open the clipboard has no owner, and SetClipboardData fails.
        w_.clipboard.owner = w_.clipboard.openerWindow;
        ++w_.clipboard.sequence;
        w_.clipboard.changedWhileOpen = true;
        return true;
    }

    int CountClipboardFormats() override { return static_cast<int>(w_.AvailableFormats().size()); }

    std::uint32_t GetClipboardSequenceNumber() override { return w_.clipboard.sequence; }

    std::uint32_t EnumClipboardFormats(std::uint32_t format) override {
        if (!HeldByUs()) {
            return 0;
        }
        auto formats = w_.AvailableFormats();
        if (format == 0) {
            return formats.empty() ? 0 : formats.front();
        }
        auto it = std::find(formats.begin(), formats.end(), format);
        return (it == formats.end() || it + 1 == formats.end()) ? 0 : *(it + 1);
    }

    bool IsClipboardFormatAvailable(std::uint32_t format) override {
        auto formats = w_.AvailableFormats();
        return std::find(formats.begin(), formats.end(), format) != formats.end();
    }

    // Formats Windows made from one listed before them give nothing, so that a save keeps only
    // what Windows cannot make again (the Windows backend's rule, src/platform/win32/win_clipboard.cpp);
    // so do the formats only their owner can draw or understand.
    MemHandle GetClipboardData(std::uint32_t format) override {
        if (!HeldByUs() || format == kCfOwnerDisplay ||
            (format >= kCfGdiObjFirst && format <= kCfGdiObjLast) || MadeFromEarlier(format)) {
            return 0;
        }
        return w_.ClipboardBlock(format);
    }

    MemHandle SetClipboardData(std::uint32_t format, MemHandle block) override {
        auto& c = w_.clipboard;
        if (!HeldByUs() || c.owner == 0 || !c.blocks.count(block) || format == 0) {
            return 0;
        }
        for (const auto& [f, h] : c.formats) {
            if (h == block) {
                return 0;  // already the clipboard's
            }
        }
        ++c.sequence;
        c.changedWhileOpen = true;
        // Text set anew makes the other text format be made from it again.
        for (const auto& [f, h] : c.synthesized) {
            c.blocks.erase(h);
        }
        c.synthesized.clear();
        for (auto& [f, h] : c.formats) {
            if (f == format) {
                c.blocks.erase(h);
                h = block;
                return block;
            }
        }
        c.formats.emplace_back(format, block);
        return block;
    }

    std::uint32_t RegisterClipboardFormat(const std::string& name) override {
        if (name.empty()) {
            return 0;
        }
        auto& c = w_.clipboard;
        for (const auto& [id, n] : c.registered) {
            if (EqualsIgnoreCase(AnsiToUtf16(n), AnsiToUtf16(name))) {
                return id;
            }
        }
        std::uint32_t id = c.nextRegistered++;
        c.registered[id] = name;
        return id;
    }

    std::optional<std::string> GetClipboardFormatName(std::uint32_t format, std::size_t maxChars) override {
        auto it = w_.clipboard.registered.find(format);
        if (it == w_.clipboard.registered.end() || maxChars < 2) {
            return std::nullopt;
        }
        return it->second.substr(0, maxChars - 1);
    }

    MemHandle GlobalAlloc(std::uint32_t /*flags*/, std::size_t bytes) override {
        return w_.NewBlock(std::vector<std::uint8_t>(bytes, 0));
    }

    std::size_t GlobalSize(MemHandle block) override {
        auto it = w_.clipboard.blocks.find(block);
        return it == w_.clipboard.blocks.end() ? 0 : it->second.size();
    }

    std::vector<std::uint8_t> GlobalRead(MemHandle block) override {
        auto it = w_.clipboard.blocks.find(block);
        return it == w_.clipboard.blocks.end() ? std::vector<std::uint8_t>{} : it->second;
    }

    bool GlobalWrite(MemHandle block, const std::vector<std::uint8_t>& bytes) override {
        auto it = w_.clipboard.blocks.find(block);
        if (it == w_.clipboard.blocks.end()) {
            return false;
        }
        std::copy_n(bytes.begin(), std::min(bytes.size(), it->second.size()), it->second.begin());
        return true;
    }

    void GlobalFree(MemHandle block) override {
        for (const auto& [f, h] : w_.clipboard.formats) {
            if (h == block) {
                return;  // the clipboard's: not the caller's to free
            }
        }
        w_.clipboard.blocks.erase(block);
    }

    std::uint32_t DragQueryFileCount(MemHandle drop) override {
        return static_cast<std::uint32_t>(DropNames(drop).size());
    }

    std::optional<std::u16string> DragQueryFile(MemHandle drop, std::uint32_t index,
                                                std::size_t maxChars) override {
        auto names = DropNames(drop);
        if (index >= names.size() || maxChars == 0) {
            return std::nullopt;
        }
        return names[index].substr(0, maxChars - 1);
    }

  private:
    bool HeldByUs() const { return w_.clipboard.open && w_.clipboard.openerPid == w_.programPid; }

    bool MadeFromEarlier(std::uint32_t format) {
        std::vector<std::uint32_t> sources = SourcesOf(format);
        std::vector<std::uint32_t> formats = w_.AvailableFormats();
        bool sourceBefore = false;
        for (std::size_t i = 0; i < formats.size() && formats[i] != format; ++i) {
            sourceBefore = sourceBefore || Contains(sources, formats[i]);
        }
        if (!sourceBefore) {
            return false;
        }
        if (format == kCfLocale) {
            // A locale is Windows' own only when it is the input language.
            auto it = w_.clipboard.blocks.find(w_.ClipboardBlock(kCfLocale));
            if (it == w_.clipboard.blocks.end()) {
                return false;
            }
            const auto& b = it->second;
            std::uint32_t lcid = 0;
            for (std::size_t i = 0; i < 4 && i < b.size(); ++i) {
                lcid |= static_cast<std::uint32_t>(b[i]) << (8 * i);
            }
            return b.size() >= 4 && lcid == w_.clipboard.inputLocale;
        }
        return true;
    }

    // The names of a DROPFILES block: the list starts at the offset in its first field, each
    // name ends with a zero, and an empty name ends the list; wide names when the flag at 16 is set.
    std::vector<std::u16string> DropNames(MemHandle drop) {
        std::vector<std::u16string> names;
        auto it = w_.clipboard.blocks.find(drop);
        if (it == w_.clipboard.blocks.end() || it->second.size() < 20) {
            return names;
        }
        const auto& b = it->second;
        auto u32 = [&](std::size_t at) {
            std::uint32_t v = 0;
            for (std::size_t k = 0; k < 4; ++k) {
                v |= static_cast<std::uint32_t>(b[at + k]) << (8 * k);
            }
            return v;
        };
        std::size_t pos = u32(0);
        bool wide = u32(16) != 0;
        std::size_t unit = wide ? 2 : 1;
        while (pos + unit <= b.size()) {
            std::u16string name;
            while (pos + unit <= b.size()) {
                char16_t c = wide ? static_cast<char16_t>(b[pos] | (b[pos + 1] << 8)) : b[pos];
                pos += unit;
                if (c == 0) {
                    break;
                }
                name += c;
            }
            if (name.empty()) {
                break;
            }
            names.push_back(wide ? name : AnsiToUtf16(std::string(name.begin(), name.end())));
        }
        return names;
    }

    SimWorld& w_;
    std::function<void(std::int64_t)> advance_;
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

    std::optional<std::u16string> GetModuleFileNameEx(KernelHandle process, std::size_t maxChars) override {
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
        if (!w_.Runs()) {
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
        if (!w_.Runs()) {
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
        if (!w_.Runs()) {
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
        if (!w_.Runs()) {
            return false;
        }
        w_.started.push_back(commandLine);
        w_.Trace("started " + QuoteText(commandLine));
        return true;
    }

    bool OpenWith(const std::u16string& target) override {
        return StartCommandLine(u"rundll32.exe shell32.dll,OpenAs_RunDLL " + target);
    }
    std::vector<std::u16string> SeededBrowsers() override {
        return {u"iexplore.exe", u"opera.exe", u"firefox.exe", u"safari.exe", u"chrome.exe"};
    }
    bool IsTerminal(const std::u16string& /*exeName*/, const std::u16string& /*windowClass*/) override {
        return false;
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
    std::u16string UserProfileFolder() override { return w_.profileFolder; }
    // CreateMutexW reports ERROR_ALREADY_EXISTS for a name that exists, also when this process
    // made it. Another running copy of the program holds the program's mutex.
    bool AcquireSingleInstance(const std::u16string& name) override {
        return !w_.anotherInstance && w_.mutexes.insert(name).second;
    }

    void TerminateProcess(std::uint32_t exitCode) override {
        if (!w_.Runs()) {
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

    // The real library, from the folder of the running simulator.
    std::u16string ProgramFileName(const std::u16string& baseName) override { return baseName + u".exe"; }
    std::u16string PathBesideExe(const std::u16string& name) override {
        return ExeDirectory() + u"\\" + name;
    }
    std::u16string SettingsFilePath() override { return PathBesideExe(ExeBaseName() + u".ini"); }
    ChecksumLibrary* LoadChecksumLibrary() override {
        if (w_.hash2Missing) {
            return nullptr;
        }
        if (!hash2_) {
            hash2_ = LoadHash2From(RunningExecutableDirectory());
        }
        return hash2_.get();
    }

  private:
    SimWorld& w_;
    std::unique_ptr<ChecksumLibrary> hash2_;
};

// The bundled service: started at once, telling its port after a scripted delay.
class SimDesktop::ServiceApi : public LocalService {
  public:
    explicit ServiceApi(SimWorld& w) : w_(w) {}

    bool Start(const std::u16string& program, const std::vector<std::u16string>& args,
               const std::string& input, std::function<void()> onExit, std::u16string* error) override {
        auto& s = w_.service;
        Stop();
        if (s.startError) {
            *error = *s.startError;
            w_.Trace("service start failed " + QuoteText(*error));
            return false;
        }
        ++s.starts;
        std::uint64_t serial = ++s.serial;
        s.running = true;
        s.command = program;
        for (const auto& a : args) {
            s.command += u" " + a;
        }
        s.input = input;
        s.output.clear();
        s.onExit = std::move(onExit);
        std::uint16_t asked = 0;
        for (std::size_t i = 0; i + 1 < args.size(); ++i) {
            if (args[i] == u"--port") {
                asked = static_cast<std::uint16_t>(std::stoul(Utf16ToUtf8(args[i + 1])));
            }
        }
        w_.Trace("service start " + QuoteText(s.command));
        if (asked != 0 && s.takenPorts.count(asked) != 0) {
            // Another program listens there: the service says so in its log and ends.
            s.port = 0;
            w_.Schedule(w_.now, [this, serial] {
                if (w_.service.serial == serial && w_.ServiceRuns()) {
                    w_.EndService();
                }
            });
            return true;
        }
        if (asked == 0) {
            while (s.takenPorts.count(s.nextPort) != 0) {
                ++s.nextPort;
            }
            asked = s.nextPort++;
        }
        s.port = asked;
        s.ports.push_back(s.port);
        auto report = [this, serial] {
            auto& svc = w_.service;
            if (svc.serial == serial && w_.ServiceRuns()) {
                svc.output += "plv-service: listening on http://127.0.0.1:" + std::to_string(svc.port) + "\n";
            }
        };
        if (s.silent) {
            return true;
        }
        if (s.reportAfterMs == 0) {
            report();  // already there when the program first reads
        } else {
            w_.Schedule(w_.now + s.reportAfterMs, report);
        }
        return true;
    }

    std::string ReadOutput() override {
        std::string out;
        out.swap(w_.service.output);
        return out;
    }

    bool IsRunning() override { return w_.ServiceRuns(); }

    void Stop() override {
        if (w_.service.running) {
            w_.service.running = false;
            w_.service.onExit = nullptr;
            w_.Trace("service stopped");
        }
    }

    std::u16string LogPath() override { return u"C:\\Users\\user\\AppData\\Local\\Parlevo\\plv-service.log"; }

    // Not random at all: a scenario must see the same key every run.
    std::optional<std::vector<std::uint8_t>> RandomBytes(std::size_t count) override {
        std::vector<std::uint8_t> bytes(count);
        for (std::size_t i = 0; i < count; ++i) {
            bytes[i] = static_cast<std::uint8_t>(w_.service.randomDraws * 16 + i);
        }
        ++w_.service.randomDraws;
        return bytes;
    }

  private:
    SimWorld& w_;
};

// ---------------------------------------------------------------------------------------------

SimDesktop::SimDesktop()
    : loop_(std::make_unique<Loop>(*this)),
      desktop_(std::make_unique<DesktopApi>(world_, [this](std::int64_t to) { AdvanceWorld(to); })),
      ui_(std::make_unique<SimUi>(world_)),
      browser_(std::make_unique<BrowserApi>(world_)),
      clipboard_(std::make_unique<ClipboardApi>(world_, [this](std::int64_t to) { AdvanceWorld(to); })),
      processes_(std::make_unique<ProcessesApi>(world_)),
      store_(std::make_unique<StoreApi>(world_)),
      tray_(std::make_unique<TrayApi>(world_)),
      shell_(std::make_unique<ShellApi>(world_)),
      env_(std::make_unique<EnvApi>(world_)),
      service_(std::make_unique<ServiceApi>(world_)) {
    platform_ = std::make_unique<Platform>(Platform{*loop_, *desktop_, *ui_, *browser_, *clipboard_,
                                                    *processes_, *store_, *tray_, *shell_, *env_, *service_});
    // The processes every Windows desktop has, and the shell's desktop window in front.
    world_.processes.push_back(SimProcess{0, u"[System Process]", u""});
    world_.processes.push_back(SimProcess{4, u"System", u""});
    world_.processes.push_back(SimProcess{1100, u"explorer.exe", u"C:\\Windows\\explorer.exe"});
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
    world_.processes.push_back(SimProcess{world_.programPid, exe, world_.exeDirectory + u"\\" + exe});
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
    app.className = className;
    // A process whose executable cannot be found is not in the snapshot at all.
    if (!exe.empty()) {
        world_.processes.push_back(SimProcess{app.pid, exe, u"C:\\Apps\\" + exe});
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
