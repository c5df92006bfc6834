#include "platform/sim/scenario.h"

#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <sstream>

#include "app/startup.h"
#include "base/numbers.h"
#include "base/text.h"
#include "core/app.h"
#include "core/frm_main.h"
#include "platform/sim/default_settings.h"
#include "platform/sim/sim_ui.h"

namespace plv::sim {
namespace {

// A fault in the script itself (exit status 2).
struct ScriptError {
    std::string message;
};

// An expect that did not hold (exit status 1).
struct ExpectFailed {
    std::string message;
};

std::string YesNo(bool b) {
    return b ? "yes" : "no";
}

std::int64_t ParseInt(const std::string& s, const std::string& what) {
    auto v = ParseNumber(Utf8ToUtf16(s));
    if (!v || *v != static_cast<double>(static_cast<std::int64_t>(*v))) {
        throw ScriptError{what + " must be a whole number, not \"" + s + "\""};
    }
    return static_cast<std::int64_t>(*v);
}

std::int64_t ParseNonNegative(const std::string& s, const std::string& what) {
    std::int64_t v = ParseInt(s, what);
    if (v < 0) {
        throw ScriptError{what + " must not be negative, not \"" + s + "\""};
    }
    return v;
}

// L,T,R,B in pixels; what names the argument in the error ("rect=", "a monitor").
RectPx ParseRect(const std::string& text, const std::string& what) {
    auto f = Split(Utf8ToUtf16(text), u',');
    if (f.size() != 4) {
        throw ScriptError{what + " takes L,T,R,B"};
    }
    std::int32_t v[4];
    for (std::size_t k = 0; k < 4; ++k) {
        v[k] = static_cast<std::int32_t>(ParseInt(Utf16ToUtf8(f[k]), "a rectangle's edge"));
    }
    return {v[0], v[1], v[2], v[3]};
}

// Splits a line into blank-separated tokens; a token in double quotes may hold blanks and the
// escapes \" \\ \n \r \t \uXXXX.
std::vector<std::pair<std::string, std::pair<bool, std::size_t>>> Tokenize(const std::string& line) {
    std::vector<std::pair<std::string, std::pair<bool, std::size_t>>> out;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        std::string tok;
        if (line[i] != '"') {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
                tok += line[i++];
            }
            out.push_back({tok, {false, i}});
            continue;
        }
        ++i;
        bool closed = false;
        std::u16string text;
        std::string pending;
        auto flush = [&] {
            text += Utf8ToUtf16(pending);
            pending.clear();
        };
        while (i < line.size()) {
            char c = line[i++];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c != '\\') {
                pending += c;
                continue;
            }
            if (i >= line.size()) {
                throw ScriptError{"a backslash ends the line"};
            }
            char e = line[i++];
            flush();
            switch (e) {
                case '"':
                    text += u'"';
                    break;
                case '\\':
                    text += u'\\';
                    break;
                case 'n':
                    text += u'\n';
                    break;
                case 'r':
                    text += u'\r';
                    break;
                case 't':
                    text += u'\t';
                    break;
                case 'u': {
                    if (i + 4 > line.size()) {
                        throw ScriptError{"\\u needs four hexadecimal digits"};
                    }
                    std::string hex = line.substr(i, 4);
                    char* end = nullptr;
                    unsigned long cp = std::strtoul(hex.c_str(), &end, 16);
                    if (end != hex.c_str() + 4) {
                        throw ScriptError{"\\u needs four hexadecimal digits, not \"" + hex + "\""};
                    }
                    text += static_cast<char16_t>(cp);
                    i += 4;
                    break;
                }
                default:
                    throw ScriptError{std::string("unknown escape \\") + e};
            }
        }
        if (!closed) {
            throw ScriptError{"a quoted text is not closed"};
        }
        flush();
        out.push_back({Utf16ToUtf8(text), {true, i}});
    }
    return out;
}

std::vector<std::u16string> SplitLines(const std::u16string& text) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find(u"\r\n", start);
        if (end == std::u16string::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
}

// left, right, middle: the index of a physical button.
int PhysicalButton(const std::string& name) {
    if (name == "left") {
        return 0;
    }
    if (name == "right") {
        return 1;
    }
    if (name == "middle") {
        return 2;
    }
    throw ScriptError{"unknown mouse button \"" + name + "\""};
}

const std::map<std::string, std::uint32_t>& MenuItems() {
    static const std::map<std::string, std::uint32_t> items = {{"enable", kMnuEnable},
                                                               {"open", kMnuOpen},
                                                               {"connect", kMnuConnect},
                                                               {"about", kMnuAbout},
                                                               {"exit", kMnuExit}};
    return items;
}

}  // namespace

ScenarioRunner::ScenarioRunner(std::ostream& out, bool trace, std::string scriptDir)
    : out_(out), trace_(trace), scriptDir_(std::move(scriptDir)) {
    std::vector<std::uint8_t> bytes = DefaultSettingsFile();
    settingsRaw_ = bytes;
    if (trace_) {
        sim_.world().tracer = [this](const std::string& line) { out_ << line << '\n'; };
    }
    sim_.world().nestedLoop = [this](const std::function<bool()>& done) { RunNested(done); };
}

ScenarioRunner::~ScenarioRunner() {
    // The program's objects go first: they refer to the simulated desktop.
    app_.reset();
}

int ScenarioRunner::Run(const std::string& script) {
    return RunMore(script);
}

std::string ScenarioRunner::Value(const std::string& name) {
    try {
        return Show(name);
    } catch (const ScriptError& e) {
        return "ERROR: " + e.message;
    }
}

int ScenarioRunner::RunMore(const std::string& script) {
    std::istringstream in(script);
    std::string text;
    int number = lines_.empty() ? 0 : lines_.back().number;
    while (std::getline(in, text)) {
        ++number;
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        lines_.push_back(Line{number, text});
    }
    while (pc_ < lines_.size() && !stop_) {
        Execute(lines_[pc_++]);
    }
    return status_;
}

void ScenarioRunner::RunNested(const std::function<bool()>& done) {
    while (!done() && !stop_ && pc_ < lines_.size()) {
        Execute(lines_[pc_++]);
    }
}

void ScenarioRunner::Execute(const Line& line) {
    std::size_t first = line.text.find_first_not_of(" \t");
    if (first == std::string::npos || line.text[first] == '#') {
        return;
    }
    int saved = currentLine_;
    currentLine_ = line.number;
    try {
        std::vector<Token> tokens;
        for (auto& [text, meta] : Tokenize(line.text)) {
            tokens.push_back(Token{text, meta.first, meta.second});
        }
        Dispatch(line.text, tokens);
        sim_.world().FlushTrace();
    } catch (const ScriptError& e) {
        out_ << "ERROR line " << line.number << ": " << e.message << '\n';
        status_ = 2;
        stop_ = true;
    } catch (const ExpectFailed& e) {
        out_ << "FAIL line " << line.number << ": " << e.message << '\n';
        status_ = 1;
        stop_ = true;
    }
    currentLine_ = saved;
}

void ScenarioRunner::RequireArgs(const std::vector<Token>& t, std::size_t min, std::size_t max) const {
    std::size_t n = t.size() - 1;
    if (n < min || n > max) {
        throw ScriptError{
            t[0].text + " takes " +
            (min == max ? std::to_string(min) : std::to_string(min) + " to " + std::to_string(max)) +
            " argument(s), not " + std::to_string(n)};
    }
}

App& ScenarioRunner::RequireStarted() const {
    if (!app_) {
        throw ScriptError{"the program has not started yet (use start)"};
    }
    return *app_;
}

void ScenarioRunner::RequireNotStarted(const std::string& command) const {
    if (app_) {
        throw ScriptError{command + " describes the program's start and must come before start"};
    }
}

void ScenarioRunner::SetSetting(const std::string& key, const std::string& value) {
    if (!settingsLines_) {
        settingsLines_ = SplitLines(DecodeUtf16Le(settingsRaw_.value_or(std::vector<std::uint8_t>{})));
        if (!settingsRaw_) {
            settingsLines_->clear();
        }
    }
    std::u16string k = Utf8ToUtf16(key);
    std::u16string line = k + u"=" + Utf8ToUtf16(value);
    bool replaced = false;
    for (auto& l : *settingsLines_) {
        std::size_t eq = l.find(u'=');
        if (eq != std::u16string::npos && EqualsIgnoreCase(l.substr(0, eq), k)) {
            l = line;
            replaced = true;
        }
    }
    if (!replaced) {
        // Before a final empty line, so that the file keeps ending in CR LF.
        auto pos = (!settingsLines_->empty() && settingsLines_->back().empty()) ? settingsLines_->end() - 1
                                                                                : settingsLines_->end();
        settingsLines_->insert(pos, line);
    }
}

std::vector<std::uint8_t> ScenarioRunner::SettingsBytes() const {
    if (!settingsLines_) {
        return settingsRaw_.value_or(std::vector<std::uint8_t>{});
    }
    std::u16string text = u"\uFEFF";
    for (std::size_t i = 0; i < settingsLines_->size(); ++i) {
        text += (*settingsLines_)[i] + (i + 1 < settingsLines_->size() ? u"\r\n" : u"");
    }
    return ToUtf16Le(text, false);
}

// The commands: each name with its argument syntax (for --help) and its handler.
const std::map<std::string, ScenarioRunner::Command>& ScenarioRunner::Commands() {
    static const std::map<std::string, Command> table = {
        {"another-instance", {"", 0, 0, When::BeforeStart, &ScenarioRunner::CmdAnotherInstance}},
        {"app",
         {"EXE [copy=message|insert|ctrl-c|late|none|hang] [rect=L,T,R,B] [class=NAME] [watcher=MS] "
          "[elevated] [primary] [name=NAME] "
          "[TEXT]",
          1, 9, When::Any, &ScenarioRunner::CmdApp}},
        {"args", {"TEXT", 1, 1, When::BeforeStart, &ScenarioRunner::CmdArgs}},
        {"click", {"TARGET [BUTTON]", 1, 2, When::AfterStart, &ScenarioRunner::CmdClick}},
        {"clipboard",
         {"text TEXT | unicode TEXT | format ID HEX | delayed ID HEX MS|hung | owner-answers | empty | "
          "locked MS",
          1, 4, When::Any, &ScenarioRunner::CmdClipboard}},
        {"close-main", {"user|program|system", 1, 1, When::AfterStart, &ScenarioRunner::CmdCloseMain}},
        {"drag", {"X1 Y1 X2 Y2 [BUTTON]", 4, 5, When::Any, &ScenarioRunner::CmdDrag}},
        {"exe", {"NAME", 1, 1, When::BeforeStart, &ScenarioRunner::CmdExe}},
        {"expect", {"NAME VALUE", 1, 1000, When::Any, &ScenarioRunner::CmdObserve}},
        {"foreground", {"EXE|none", 1, 1, When::Any, &ScenarioRunner::CmdForeground}},
        {"key", {"down|up shift|ctrl|alt|win [MS]", 2, 3, When::Any, &ScenarioRunner::CmdKey}},
        {"menu",
         {"enable|open|connect|about|exit|dismiss", 1, 1, When::AfterStart, &ScenarioRunner::CmdMenu}},
        {"move", {"X Y", 2, 2, When::Any, &ScenarioRunner::CmdMove}},
        {"no-hash2", {"", 0, 0, When::BeforeStart, &ScenarioRunner::CmdNoHash2}},
        {"no-settings-file", {"", 0, 0, When::BeforeStart, &ScenarioRunner::CmdNoSettingsFile}},
        {"os", {"N", 1, 1, When::BeforeStart, &ScenarioRunner::CmdOs}},
        {"page",
         {"ready [MS] | never | answer-after MS | answer TEXT | error TEXT | stale-error TEXT | silent | "
          "fromto TEXT | credit TEXT [URL] | version V | download URL | engine URL | missing ID | "
          "problem TEXT | engine-dies",
          1, 3, When::Any, &ScenarioRunner::CmdPage}},
        {"press", {"BUTTON", 1, 1, When::Any, &ScenarioRunner::CmdPressOrRelease}},
        {"primary", {"EXE|none", 1, 1, When::Any, &ScenarioRunner::CmdPrimary}},
        {"print", {"NAME", 1, 1, When::Any, &ScenarioRunner::CmdObserve}},
        {"registry", {"EXE VALUE", 2, 2, When::Any, &ScenarioRunner::CmdRegistry}},
        {"release", {"BUTTON", 1, 1, When::Any, &ScenarioRunner::CmdPressOrRelease}},
        {"screen", {"W H", 2, 2, When::BeforeStart, &ScenarioRunner::CmdScreen}},
        {"monitor", {"L,T,R,B [work=L,T,R,B]", 1, 2, When::BeforeStart, &ScenarioRunner::CmdMonitor}},
        {"unplug-monitor", {"N", 1, 1, When::AfterStart, &ScenarioRunner::CmdUnplugMonitor}},
        {"select", {"EXE TEXT", 2, 2, When::Any, &ScenarioRunner::CmdSelect}},
        {"select-popup", {"START LENGTH", 2, 2, When::AfterStart, &ScenarioRunner::CmdSelectPopup}},
        {"service",
         {"start-fails TEXT | starts | report-after MS | silent | exit | port-taken PORT", 1, 2, When::Any,
          &ScenarioRunner::CmdService}},
        {"setting", {"KEY VALUE", 2, 2, When::BeforeStart, &ScenarioRunner::CmdSetting}},
        {"settings-file", {"PATH", 1, 1, When::BeforeStart, &ScenarioRunner::CmdSettingsFile}},
        {"shell", {"TARGET CODE", 2, 2, When::Any, &ScenarioRunner::CmdShell}},
        {"start", {"", 0, 0, When::Any, &ScenarioRunner::CmdStart}},
        {"swap-buttons", {"", 0, 0, When::BeforeStart, &ScenarioRunner::CmdSwapButtons}},
        {"taskbar-restart", {"", 0, 0, When::Any, &ScenarioRunner::CmdTaskbarRestart}},
        {"time-of-day", {"HH:MM:SS[.mmm]", 1, 1, When::BeforeStart, &ScenarioRunner::CmdTimeOfDay}},
        {"tray", {"CODE", 1, 1, When::AfterStart, &ScenarioRunner::CmdTray}},
        {"twips", {"TX TY", 2, 2, When::BeforeStart, &ScenarioRunner::CmdTwips}},
        {"dpi", {"N", 1, 1, When::BeforeStart, &ScenarioRunner::CmdDpi}},
        {"version", {"A.B.C.D", 1, 1, When::BeforeStart, &ScenarioRunner::CmdVersion}},
        {"wait", {"MS", 1, 1, When::Any, &ScenarioRunner::CmdWait}},
    };
    return table;
}

std::string ScenarioRunner::Help() {
    std::string text;
    for (const auto& [name, command] : Commands()) {
        text += name + (command.syntax[0] != '\0' ? std::string(" ") + command.syntax : std::string()) + "\n";
    }
    text += "\nnames for print and expect:\n";
    for (const auto& [name, observable] : Observables()) {
        text += name + (observable.prefix ? "NAME" : "") + "\n";
    }
    return text;
}

void ScenarioRunner::Dispatch(const std::string& raw, const std::vector<Token>& t) {
    auto it = Commands().find(t[0].text);
    if (it == Commands().end()) {
        throw ScriptError{"unknown command \"" + t[0].text + "\""};
    }
    const Command& command = it->second;
    if (command.when == When::BeforeStart) {
        RequireNotStarted(t[0].text);
    } else if (command.when == When::AfterStart) {
        RequireStarted();
    }
    RequireArgs(t, command.minArgs, command.maxArgs);
    (this->*command.run)(raw, t);
}

void ScenarioRunner::CmdObserve(const std::string& raw, const std::vector<Token>& t) {
    const std::string& cmd = t[0].text;
    const std::string& name = t[1].text;
    std::string shown = Show(name);
    if (cmd == "print") {
        sim_.world().FlushTrace();
        out_ << name << " = " << shown << '\n';
        return;
    }
    if (t.size() < 3) {
        throw ScriptError{"expect needs a name and a value"};
    }
    std::string expected = raw.substr(std::min(raw.size(), t[1].end + 1));
    if (expected != shown) {
        throw ExpectFailed{name + ": expected " + expected + ", got " + shown};
    }
    return;
}

void ScenarioRunner::CmdSetting(const std::string&, const std::vector<Token>& t) {
    if (t[1].text.empty() || t[1].text.find('=') != std::string::npos) {
        throw ScriptError{"a setting's key must be a non-empty text without \"=\""};
    }
    SetSetting(t[1].text, t[2].text);
}

void ScenarioRunner::CmdSettingsFile(const std::string&, const std::vector<Token>& t) {
    std::string path = t[1].text;
    if (!path.empty() && path[0] != '/') {
        path = scriptDir_ + "/" + path;
    }
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        throw ScriptError{"cannot read the settings file \"" + path + "\""};
    }
    settingsRaw_ = std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), {});
    settingsLines_.reset();
}

void ScenarioRunner::CmdNoSettingsFile(const std::string&, const std::vector<Token>&) {
    settingsRaw_.reset();
    settingsLines_.reset();
}

void ScenarioRunner::CmdExe(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    if (t[1].text.empty()) {
        throw ScriptError{"the executable's name must not be empty"};
    }
    w.exeBaseName = Utf8ToUtf16(t[1].text);
}

void ScenarioRunner::CmdVersion(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    auto parts = Split(Utf8ToUtf16(t[1].text), u'.');
    if (parts.size() != 4) {
        throw ScriptError{"version takes A.B.C.D, not \"" + t[1].text + "\""};
    }
    std::uint16_t f[4];
    for (int i = 0; i < 4; ++i) {
        std::int64_t v = ParseNonNegative(Utf16ToUtf8(parts[static_cast<std::size_t>(i)]), "a version field");
        if (v > 65535) {
            throw ScriptError{"a version field must be at most 65535"};
        }
        f[i] = static_cast<std::uint16_t>(v);
    }
    w.version = FileVersion{f[0], f[1], f[2], f[3]};
}

void ScenarioRunner::CmdArgs(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    w.args = Utf8ToUtf16(t[1].text);
}

void ScenarioRunner::CmdAnotherInstance(const std::string&, const std::vector<Token>&) {
    auto& w = sim_.world();
    w.anotherInstance = true;
}

void ScenarioRunner::CmdScreen(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    if (!w.monitors.empty()) {
        throw ScriptError{
            "screen describes a single monitor; after monitor lines, add another monitor instead"};
    }
    w.screenW = static_cast<std::int32_t>(ParseNonNegative(t[1].text, "the screen width"));
    w.screenH = static_cast<std::int32_t>(ParseNonNegative(t[2].text, "the screen height"));
}

void ScenarioRunner::CmdMonitor(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    auto rect = [](const std::string& text, const std::string& what) {
        RectPx r = ParseRect(text, what);
        if (r.right <= r.left || r.bottom <= r.top) {
            throw ScriptError{what + " " + text + " is empty: right and bottom must exceed left and top"};
        }
        return r;
    };
    MonitorArea m;
    m.monitor = rect(t[1].text, "a monitor");
    m.work = m.monitor;
    if (t.size() > 2) {
        if (t[2].text.rfind("work=", 0) != 0) {
            throw ScriptError{"monitor takes L,T,R,B and optionally work=L,T,R,B, not \"" + t[2].text + "\""};
        }
        m.work = rect(t[2].text.substr(5), "work=");
        const RectPx& a = m.monitor;
        const RectPx& r = m.work;
        if (r.left < a.left || r.top < a.top || r.right > a.right || r.bottom > a.bottom) {
            throw ScriptError{"the work area " + t[2].text.substr(5) + " lies outside its monitor " +
                              t[1].text};
        }
    }
    if (w.monitors.empty()) {
        // The primary monitor: Windows puts its top left corner at the origin.
        if (m.monitor.left != 0 || m.monitor.top != 0) {
            throw ScriptError{"the first monitor is the primary one and starts at 0,0, not at " + t[1].text};
        }
        w.screenW = m.monitor.Width();
        w.screenH = m.monitor.Height();
    }
    for (const auto& other : w.monitors) {
        const RectPx& a = other.monitor;
        const RectPx& b = m.monitor;
        if (a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom) {
            throw ScriptError{"the monitor " + t[1].text + " overlaps another monitor"};
        }
    }
    w.monitors.push_back(m);
}

void ScenarioRunner::CmdUnplugMonitor(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    std::int64_t n = ParseNonNegative(t[1].text, "the monitor's number");
    if (n < 2 || n > static_cast<std::int64_t>(w.monitors.size())) {
        throw ScriptError{
            "unplug-monitor takes the number of a monitor line other than the first (the primary), 2 to " +
            std::to_string(w.monitors.size())};
    }
    w.monitors.erase(w.monitors.begin() + (n - 1));
}

void ScenarioRunner::CmdTwips(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    // The DPI whose twips per pixel these are (1440 / TX), the nearest one where TX does not
    // divide 1440.
    auto x = ParseNonNegative(t[1].text, "twips per pixel");
    auto y = ParseNonNegative(t[2].text, "twips per pixel");
    if (x == 0 || y == 0) {
        throw ScriptError{"twips per pixel must be at least 1"};
    }
    w.dpiX = RoundHalfEven32(1440.0 / static_cast<double>(x));
    w.dpiY = RoundHalfEven32(1440.0 / static_cast<double>(y));
}

void ScenarioRunner::CmdDpi(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    auto dpi = ParseNonNegative(t[1].text, "the DPI");
    if (dpi < 24 || dpi > 960) {
        throw ScriptError{"the DPI must be from 24 to 960: " + t[1].text};
    }
    w.dpiX = w.dpiY = static_cast<std::int32_t>(dpi);
}

void ScenarioRunner::CmdSwapButtons(const std::string&, const std::vector<Token>&) {
    auto& w = sim_.world();
    w.swapButtons = true;
}

void ScenarioRunner::CmdOs(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    w.osVersion = static_cast<std::uint32_t>(ParseNonNegative(t[1].text, "the OS version"));
}

void ScenarioRunner::CmdTimeOfDay(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    auto parts = Split(Utf8ToUtf16(t[1].text), u':');
    if (parts.size() != 3) {
        throw ScriptError{"time-of-day takes HH:MM:SS.mmm"};
    }
    auto h = ParseNonNegative(Utf16ToUtf8(parts[0]), "hours");
    auto m = ParseNonNegative(Utf16ToUtf8(parts[1]), "minutes");
    auto s = ParseNumber(parts[2]);
    if (h > 23 || m > 59 || !s || *s < 0 || *s >= 60) {
        throw ScriptError{"time-of-day takes HH:MM:SS.mmm within one day"};
    }
    w.dayStartMs = (h * 3600 + m * 60) * 1000 + RoundHalfEven(*s * 1000) - w.now;
}

void ScenarioRunner::CmdRegistry(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    w.registry[ToLower(w.exeBaseName + u"\\Applications\\" + Utf8ToUtf16(t[1].text))] =
        Utf8ToUtf16(t[2].text);
}

void ScenarioRunner::CmdApp(const std::string&, const std::vector<Token>& t) {
    CopyBehaviour copy = CopyBehaviour::Insert;
    RectPx rect{0, 0, 800, 600};
    std::u16string cls = u"SimAppWindow";
    std::u16string text;
    std::uint32_t watcherMs = 0;
    bool elevated = false;
    bool setsPrimary = false;
    std::u16string appName;
    bool haveText = false;
    for (std::size_t i = 2; i < t.size(); ++i) {
        const std::string& a = t[i].text;
        if (!t[i].quoted && a.rfind("copy=", 0) == 0) {
            static const std::map<std::string, CopyBehaviour> modes = {
                {"message", CopyBehaviour::Message}, {"insert", CopyBehaviour::Insert},
                {"ctrl-c", CopyBehaviour::CtrlC},    {"late", CopyBehaviour::Late},
                {"none", CopyBehaviour::None},       {"hang", CopyBehaviour::Hang}};
            auto it = modes.find(a.substr(5));
            if (it == modes.end()) {
                throw ScriptError{"unknown copy behaviour \"" + a.substr(5) + "\""};
            }
            copy = it->second;
        } else if (!t[i].quoted && a.rfind("rect=", 0) == 0) {
            rect = ParseRect(a.substr(5), "rect=");
        } else if (!t[i].quoted && a.rfind("class=", 0) == 0) {
            cls = Utf8ToUtf16(a.substr(6));
        } else if (!t[i].quoted && a.rfind("watcher=", 0) == 0) {
            watcherMs = static_cast<std::uint32_t>(ParseNonNegative(a.substr(8), "watcher="));
        } else if (!t[i].quoted && a == "elevated") {
            elevated = true;
        } else if (!t[i].quoted && a == "primary") {
            setsPrimary = true;
        } else if (!t[i].quoted && a.rfind("name=", 0) == 0) {
            appName = Utf8ToUtf16(a.substr(5));
        } else if (!haveText) {
            text = Utf8ToUtf16(a);
            haveText = true;
        } else {
            throw ScriptError{"app takes one selection text; quote a text that holds blanks"};
        }
    }
    SimApp& app = sim_.AddApp(Utf8ToUtf16(t[1].text), copy, rect, cls, text);
    app.watcherMs = watcherMs;
    app.elevated = elevated;
    app.setsPrimary = setsPrimary;
    app.appName = appName;
}

// A key the user holds down, or lets go; with MS it goes up by itself that much later.
void ScenarioRunner::CmdKey(const std::string&, const std::vector<Token>& t) {
    static const std::map<std::string, int> keys = {
        {"shift", 0xA0}, {"ctrl", 0xA2}, {"alt", 0xA4}, {"win", 0x5B}};
    auto it = keys.find(t[2].text);
    if (it == keys.end() || (t[1].text != "down" && t[1].text != "up") ||
        (t.size() > 3 && t[1].text == "up")) {
        throw ScriptError{"key takes down or up, then shift, ctrl, alt or win (and MS after down only)"};
    }
    auto& w = sim_.world();
    int vk = it->second;
    if (t[1].text == "up") {
        w.userKeys.erase(vk);
        return;
    }
    w.userKeys.insert(vk);
    if (t.size() > 3) {
        w.Schedule(w.now + ParseNonNegative(t[3].text, "the time the key stays down"),
                   [&w, vk] { w.userKeys.erase(vk); });
    }
}

void ScenarioRunner::CmdShell(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    w.shellAnswers[Utf8ToUtf16(t[1].text)] = ParseInt(t[2].text, "the shell's answer");
}

void ScenarioRunner::CmdClick(const std::string&, const std::vector<Token>& t) {
    Click(t[1].text, t.size() > 2 ? t[2].text : "left");
}

void ScenarioRunner::CmdSelect(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    bool found = false;
    for (auto& a : w.apps) {
        if (a.exe == Utf8ToUtf16(t[1].text)) {
            a.selection = Utf8ToUtf16(t[2].text);
            found = true;
        }
    }
    if (!found) {
        throw ScriptError{"no application \"" + t[1].text + "\" (add it with app)"};
    }
}

// The application takes the system's own selection now, with what it has selected (as after a
// selection made with the keyboard); none: no application holds it any more.
void ScenarioRunner::CmdPrimary(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    if (t[1].text == "none" && !t[1].quoted) {
        w.primary.reset();
        return;
    }
    for (auto& a : w.apps) {
        if (a.exe == Utf8ToUtf16(t[1].text)) {
            w.AppTakesPrimary(a);
            return;
        }
    }
    throw ScriptError{"no application \"" + t[1].text + "\" (add it with app)"};
}

void ScenarioRunner::CmdNoHash2(const std::string&, const std::vector<Token>&) {
    auto& w = sim_.world();
    w.hash2Missing = true;
}

void ScenarioRunner::CmdClipboard(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    const std::string& what = t[1].text;
    // What the user copied in another application; it owns the clipboard now.
    Hwnd owner = w.desktopWindow;
    if (what == "text" || what == "unicode") {
        RequireArgs(t, 2, 2);
        std::u16string text = Utf8ToUtf16(t[2].text);
        std::vector<std::uint8_t> block;
        if (what == "text") {
            std::string ansi = Utf16ToAnsi(text);
            block.assign(ansi.begin(), ansi.end());
            block.push_back(0);
            w.ClipboardReplace(owner, {{kCfText, block}});
        } else {
            w.ClipboardReplace(owner, {{kCfUnicodeText, ToUtf16Le(text, true)}});
        }
    } else if (what == "format" || what == "delayed") {
        std::size_t args = what == "format" ? 3 : 4;
        RequireArgs(t, args, args);
        auto id = ParseNonNegative(t[2].text, "a format id");
        if (id < 1 || id > 0xFFFF) {
            throw ScriptError{"a format id lies between 1 and 65535"};
        }
        const std::string& hex = t[3].text;
        if (hex.size() % 2 != 0 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
            throw ScriptError{"the block must be pairs of hexadecimal digits, not \"" + hex + "\""};
        }
        std::vector<std::uint8_t> block;
        for (std::size_t i = 0; i < hex.size(); i += 2) {
            block.push_back(static_cast<std::uint8_t>(std::stoul(hex.substr(i, 2), nullptr, 16)));
        }
        auto format = static_cast<std::uint32_t>(id);
        if (format >= 0xC000 && !w.clipboard.registered.count(format)) {
            w.clipboard.registered[format] = "Sim Format " + std::to_string(format);
        }
        std::optional<std::int64_t> renderMs;
        if (what == "delayed") {
            renderMs = t[4].text == "hung" ? -1 : ParseNonNegative(t[4].text, "MS");
        }
        w.ClipboardAdd(owner, format, block, renderMs);
    } else if (what == "owner-answers") {
        RequireArgs(t, 1, 1);
        w.ClipboardOwnerAnswers();
    } else if (what == "empty") {
        RequireArgs(t, 1, 1);
        w.ClipboardReplace(owner, {});
    } else if (what == "locked") {
        RequireArgs(t, 2, 2);
        w.clipboard.lockedUntil = w.now + ParseNonNegative(t[2].text, "MS");
    } else {
        throw ScriptError{"unknown clipboard command \"" + what + "\""};
    }
}

void ScenarioRunner::CmdPage(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    const std::string& what = t[1].text;
    auto& page = w.page;
    if (what == "ready") {
        RequireArgs(t, 1, 2);
        page.never = false;
        page.readyMs = t.size() > 2 ? static_cast<std::uint32_t>(ParseNonNegative(t[2].text, "MS")) : 300;
    } else if (what == "never") {
        RequireArgs(t, 1, 1);
        page.never = true;
    } else if (what == "answer-after") {
        RequireArgs(t, 2, 2);
        page.answerAfterMs = static_cast<std::uint32_t>(ParseNonNegative(t[2].text, "MS"));
        page.silent = false;
    } else if (what == "answer") {
        RequireArgs(t, 2, 2);
        page.answer = Utf8ToUtf16(t[2].text);
        page.error.reset();
        page.silent = false;
    } else if (what == "error") {
        RequireArgs(t, 2, 2);
        page.error = Utf8ToUtf16(t[2].text);
        page.silent = false;
    } else if (what == "stale-error") {
        RequireArgs(t, 2, 2);
        if (!page.document || page.document->elements.count(u"error") == 0) {
            throw ScriptError{"the page is not loaded, or has no \"error\" element"};
        }
        page.document->elements[u"error"].properties[u"innertext"] = Utf8ToUtf16(t[2].text);
        page.keepsError = true;
    } else if (what == "silent") {
        RequireArgs(t, 1, 1);
        page.silent = true;
    } else if (what == "fromto") {
        RequireArgs(t, 2, 2);
        page.fromto = Utf8ToUtf16(t[2].text);
    } else if (what == "credit") {
        RequireArgs(t, 2, 3);
        page.credit = Utf8ToUtf16(t[2].text);
        page.creditLink = t.size() > 3 ? Utf8ToUtf16(t[3].text) : u"";
    } else if (what == "version") {
        RequireArgs(t, 2, 2);
        page.version = Utf8ToUtf16(t[2].text);
    } else if (what == "download") {
        RequireArgs(t, 2, 2);
        page.download = Utf8ToUtf16(t[2].text);
    } else if (what == "engine") {
        RequireArgs(t, 2, 2);
        if (!w.engineTranslate) {
            throw ScriptError{"this runner cannot reach a translation server"};
        }
        page.engineUrl = t[2].text;
    } else if (what == "missing") {
        RequireArgs(t, 2, 2);
        page.missing.push_back(Utf8ToUtf16(t[2].text));
    } else if (what == "problem") {
        RequireArgs(t, 2, 2);
        page.problems.push_back(Utf8ToUtf16(t[2].text));
    } else if (what == "engine-dies") {
        RequireArgs(t, 1, 1);
        page.engineGone = true;
        page.document.reset();
        sim_.world().Trace("page engine died");
    } else {
        throw ScriptError{"unknown page command \"" + what + "\""};
    }

    // --- running
}

void ScenarioRunner::CmdService(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    const std::string& what = t[1].text;
    auto& service = w.service;
    if (what == "start-fails") {
        RequireArgs(t, 2, 2);
        service.startError = Utf8ToUtf16(t[2].text);
    } else if (what == "starts") {
        RequireArgs(t, 1, 1);
        service.startError.reset();
        service.silent = false;
    } else if (what == "report-after") {
        RequireArgs(t, 2, 2);
        service.reportAfterMs = static_cast<std::uint32_t>(ParseNonNegative(t[2].text, "MS"));
        service.silent = false;
    } else if (what == "silent") {
        RequireArgs(t, 1, 1);
        service.silent = true;
    } else if (what == "exit") {
        RequireArgs(t, 1, 1);
        if (!w.ServiceRuns()) {
            throw ScriptError{"the bundled service does not run"};
        }
        w.EndService();
    } else if (what == "port-taken") {
        RequireArgs(t, 2, 2);
        auto port = ParseNonNegative(t[2].text, "PORT");
        if (port < 1 || port > 65535) {
            throw ScriptError{"PORT must be 1 to 65535, not " + t[2].text};
        }
        service.takenPorts.insert(static_cast<std::uint16_t>(port));
    } else {
        throw ScriptError{"unknown service command \"" + what + "\""};
    }
}

void ScenarioRunner::CmdStart(const std::string&, const std::vector<Token>&) {
    auto& w = sim_.world();
    if (app_) {
        throw ScriptError{"the program has already started"};
    }
    if (settingsRaw_ || settingsLines_) {
        w.files[ToLower(w.exeDirectory + u"\\" + w.exeBaseName + u".ini")] = SettingsBytes();
    }
    sim_.StartProgram();
    w.Trace("start");
    app_ = std::make_unique<App>(sim_.platform());
    Main(*app_);
}

void ScenarioRunner::CmdWait(const std::string&, const std::vector<Token>& t) {
    sim_.Wait(ParseNonNegative(t[1].text, "MS"));
}

void ScenarioRunner::CmdForeground(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    if (t[1].text == "none" && !t[1].quoted) {
        sim_.SetForeground(nullptr);
        return;
    }
    std::u16string exe = Utf8ToUtf16(t[1].text);
    const SimApp* found = nullptr;
    for (const auto& a : w.apps) {
        if (a.exe == exe) {
            found = &a;
        }
    }
    if (!found) {
        throw ScriptError{"no application \"" + t[1].text + "\" (add it with app)"};
    }
    sim_.SetForeground(found);
}

void ScenarioRunner::CmdTray(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    auto code = static_cast<std::uint32_t>(ParseNonNegative(t[1].text, "the notification code"));
    // The shell reports mouse actions only for an icon that is in the notification area.
    if (!w.Alive() || !w.tray.present) {
        return;
    }
    if (code == 1028 || code == 1029) {
        w.tray.balloon.reset();
    }
    if (SimWindow* owner = w.Window(w.tray.icon.owner); owner && owner->events) {
        owner->events->OnTrayNotify(code);
    }
}

void ScenarioRunner::CmdMenu(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    if (!w.menuOpen) {
        throw ScriptError{"the tray menu is not open"};
    }
    if (t[1].text == "dismiss") {
        w.menuChoice = 0;
        w.menuOpen = false;
        return;
    }
    auto it = MenuItems().find(t[1].text);
    if (it == MenuItems().end()) {
        throw ScriptError{"unknown menu item \"" + t[1].text + "\""};
    }
    SimWindow* form = w.Window(w.menuForm);
    for (const auto& item : form ? form->menu : std::vector<MenuItem>{}) {
        if (item.id == it->second) {
            // A click on a disabled item does nothing; the menu stays open.
            if (!item.enabled) {
                w.Trace("menu item " + QuoteText(item.caption) + " is disabled");
                return;
            }
            w.menuChoice = item.id;
            w.menuOpen = false;
            return;
        }
    }
    throw ScriptError{"the menu has no item \"" + t[1].text + "\""};
}

void ScenarioRunner::CmdCloseMain(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    static const std::map<std::string, CloseReason> reasons = {
        {"user", CloseReason::User}, {"program", CloseReason::Program}, {"system", CloseReason::System}};
    auto it = reasons.find(t[1].text);
    if (it == reasons.end()) {
        throw ScriptError{"close-main takes user, program or system"};
    }
    SimWindow* main = w.Form("frmMain");
    if (!w.Alive() || !main || !main->events) {
        return;
    }
    if (main->events->OnCloseRequest(it->second)) {
        sim_.platform().ui.DestroyForm(main->hwnd);
    }
}

void ScenarioRunner::CmdMove(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    w.cursor = {static_cast<std::int32_t>(ParseInt(t[1].text, "X")),
                static_cast<std::int32_t>(ParseInt(t[2].text, "Y"))};
}

void ScenarioRunner::CmdPressOrRelease(const std::string&, const std::vector<Token>& t) {
    const std::string& cmd = t[0].text;
    int button = PhysicalButton(t[1].text);
    if (cmd == "press") {
        ui().Press(button);
    } else {
        ui().Release(button);
    }
}

void ScenarioRunner::CmdDrag(const std::string&, const std::vector<Token>& t) {
    auto& w = sim_.world();
    int button = PhysicalButton(t.size() > 5 ? t[5].text : "left");
    PointPx from{static_cast<std::int32_t>(ParseInt(t[1].text, "X1")),
                 static_cast<std::int32_t>(ParseInt(t[2].text, "Y1"))};
    PointPx to{static_cast<std::int32_t>(ParseInt(t[3].text, "X2")),
               static_cast<std::int32_t>(ParseInt(t[4].text, "Y2"))};
    w.cursor = from;
    ui().Press(button);
    sim_.Wait(100);
    w.cursor = to;
    sim_.Wait(100);
    ui().Release(button);
}

void ScenarioRunner::CmdSelectPopup(const std::string&, const std::vector<Token>& t) {
    Hwnd form = 0;
    SimControl* box = ui().FindControl("frmTrans", "lblText", &form);
    if (!box) {
        throw ScriptError{"the popup is not there"};
    }
    ui().RichSetSelection(form, box->id, static_cast<std::size_t>(ParseNonNegative(t[1].text, "START")),
                          static_cast<std::size_t>(ParseNonNegative(t[2].text, "LENGTH")));
}

void ScenarioRunner::CmdTaskbarRestart(const std::string&, const std::vector<Token>&) {
    sim_.TaskbarRestart();
}

// The program's controls a script can click, by the names scripts use.
static const std::map<std::string, std::pair<std::string, std::string>>& ClickTargets() {
    static const std::map<std::string, std::pair<std::string, std::string>> targets = {
        {"icon", {"frmico", "ico"}},
        {"cross", {"frmico", "icocls"}},
        {"copy", {"frmTrans", "lblCopy"}},
        {"dir", {"frmTrans", "lbldir"}},
        {"google", {"frmTrans", "google"}},
        {"new", {"frmTrans", "lblNew"}},
        {"about-site", {"frmAbout", "Label1"}},
        {"about-download", {"frmAbout", "lblDwn"}},
        {"about-close", {"frmAbout", "Command1"}},
    };
    return targets;
}

SimUi& ScenarioRunner::ui() {
    return static_cast<SimUi&>(sim_.platform().ui);
}

void ScenarioRunner::Click(const std::string& target, const std::string& buttonName) {
    int button = PhysicalButton(buttonName);
    auto it = ClickTargets().find(target);
    if (it == ClickTargets().end()) {
        throw ScriptError{"unknown click target \"" + target + "\""};
    }
    Hwnd form = 0;
    SimControl* c = ui().FindControl(it->second.first, it->second.second, &form);
    auto centre = c ? ui().ControlCentre(form, c->id) : std::nullopt;
    if (!centre) {
        throw ScriptError{"\"" + target + "\" is not on the screen to be clicked"};
    }
    // The pointer moves to the middle of the control first.
    sim_.world().cursor = *centre;
    ui().Press(button);
    ui().Release(button);
}

bool ScenarioRunner::Clickable(const std::string& target) {
    auto it = ClickTargets().find(target);
    if (it == ClickTargets().end()) {
        return false;
    }
    Hwnd form = 0;
    SimControl* c = ui().FindControl(it->second.first, it->second.second, &form);
    return c && ui().ControlCentre(form, c->id).has_value();
}

// The names a script can print or expect: each exact name, or a prefix ("label.") that takes the
// rest of the name as its argument, with what shows it.
const std::map<std::string, ScenarioRunner::Observable>& ScenarioRunner::Observables() {
    static const std::map<std::string, Observable> table = {
        {"about", {false, &ScenarioRunner::ShowAbout}},
        {"app-version", {false, &ScenarioRunner::ShowAppVersion}},
        {"balloon", {false, &ScenarioRunner::ShowBalloon}},
        {"buttons", {false, &ScenarioRunner::ShowButtons}},
        {"cache.count", {false, &ScenarioRunner::ShowCacheCount}},
        {"clipboard", {false, &ScenarioRunner::ShowClipboard}},
        {"clipboard.text", {false, &ScenarioRunner::ShowClipboardText}},
        {"clipboard.sequence", {false, &ScenarioRunner::ShowClipboardSequence}},
        {"clipboard.opens", {false, &ScenarioRunner::ShowClipboardOpens}},
        {"colors", {false, &ScenarioRunner::ShowColors}},
        {"connected", {false, &ScenarioRunner::ShowConnected}},
        {"current-exe", {false, &ScenarioRunner::ShowCurrentExe}},
        {"download-link", {false, &ScenarioRunner::ShowDownloadLink}},
        {"enabled", {false, &ScenarioRunner::ShowEnabled}},
        {"gliding", {false, &ScenarioRunner::ShowGliding}},
        {"icon.", {true, &ScenarioRunner::ShowIconOrPopup}},
        {"keys", {false, &ScenarioRunner::ShowKeys}},
        {"label.", {true, &ScenarioRunner::ShowLabel}},
        {"latest-version", {false, &ScenarioRunner::ShowLatestVersion}},
        {"main.visible", {false, &ScenarioRunner::ShowMainVisible}},
        {"menu.connect", {false, &ScenarioRunner::ShowMenuConnect}},
        {"menu.enable", {false, &ScenarioRunner::ShowMenuEnable}},
        {"menu.open", {false, &ScenarioRunner::ShowMenuOpen}},
        {"messagebox", {false, &ScenarioRunner::ShowMessagebox}},
        {"page.engine", {false, &ScenarioRunner::ShowPageEngine}},
        {"page.navigations", {false, &ScenarioRunner::ShowPageNavigations}},
        {"page.requests", {false, &ScenarioRunner::ShowPageRequests}},
        {"page.sent", {false, &ScenarioRunner::ShowPageSent}},
        {"page.url", {false, &ScenarioRunner::ShowPageUrl}},
        {"popup.", {true, &ScenarioRunner::ShowIconOrPopup}},
        {"primary", {false, &ScenarioRunner::ShowPrimary}},
        {"registry.", {true, &ScenarioRunner::ShowRegistry}},
        {"running", {false, &ScenarioRunner::ShowRunning}},
        {"service.", {true, &ScenarioRunner::ShowService}},
        {"setting.", {true, &ScenarioRunner::ShowSetting}},
        {"shell", {false, &ScenarioRunner::ShowShellOrStarted}},
        {"started", {false, &ScenarioRunner::ShowShellOrStarted}},
        {"timer.", {true, &ScenarioRunner::ShowTimer}},
        {"tray.icon", {false, &ScenarioRunner::ShowTrayIcon}},
        {"tray.tip", {false, &ScenarioRunner::ShowTrayTip}},
    };
    return table;
}

std::string ScenarioRunner::Show(const std::string& name) {
    const auto& table = Observables();
    auto it = table.find(name);
    if (it == table.end() || it->second.prefix) {
        it = std::find_if(table.begin(), table.end(), [&](const auto& entry) {
            return entry.second.prefix && name.rfind(entry.first, 0) == 0;
        });
    }
    if (it == table.end()) {
        throw ScriptError{"unknown name \"" + name + "\""};
    }
    return (this->*it->second.show)(name);
}

std::string ScenarioRunner::MenuItemShown(std::uint32_t id) {
    SimWindow* main = sim_.world().Form("frmMain");
    if (main) {
        for (const auto& m : main->menu) {
            if (m.id == id) {
                return QuoteText(m.caption) + (m.enabled ? " enabled" : " disabled");
            }
        }
    }
    return "absent";
}

std::string ScenarioRunner::ShowRunning(const std::string&) {
    auto& w = sim_.world();
    switch (w.state) {
        case ProgramState::NotStarted:
            return "no";
        case ProgramState::Running:
            return "yes";
        case ProgramState::Exited:
            return "exit " + std::to_string(w.exitCode);
        case ProgramState::Terminated:
            return "terminated " + std::to_string(w.exitCode);
    }
    return "no";  // every state is named above
}

std::string ScenarioRunner::ShowRegistry(const std::string& name) {
    auto& w = sim_.world();
    auto it = w.registry.find(ToLower(w.exeBaseName + u"\\Applications\\" + Utf8ToUtf16(name.substr(9))));
    return it == w.registry.end() ? "absent" : QuoteText(it->second);
}

std::string ScenarioRunner::ShowTrayIcon(const std::string&) {
    auto& w = sim_.world();
    return w.tray.present ? TrayIconName(w.tray.icon.icon) : "absent";
}

std::string ScenarioRunner::ShowTrayTip(const std::string&) {
    auto& w = sim_.world();
    return w.tray.present ? QuoteText(w.tray.icon.tip) : "absent";
}

std::string ScenarioRunner::ShowMenuOpen(const std::string&) {
    auto& w = sim_.world();
    return YesNo(w.menuOpen);
}

std::string ScenarioRunner::ShowMessagebox(const std::string&) {
    auto& w = sim_.world();
    return w.lastMessageBox ? DescribeMessageBox(*w.lastMessageBox) : "none";
}

std::string ScenarioRunner::ShowClipboard(const std::string&) {
    auto& w = sim_.world();
    return DescribeClipboard(w);
}

std::string ScenarioRunner::ShowClipboardText(const std::string&) {
    auto& w = sim_.world();
    return QuoteText(SimClipboardText(w));
}

std::string ScenarioRunner::ShowClipboardSequence(const std::string&) {
    return std::to_string(sim_.world().clipboard.sequence);
}

std::string ScenarioRunner::ShowClipboardOpens(const std::string&) {
    return std::to_string(sim_.world().clipboard.programOpens);
}

std::string ScenarioRunner::ShowPrimary(const std::string&) {
    const auto& primary = sim_.world().primary;
    return primary ? QuoteText(primary->text) : "none";
}

std::string ScenarioRunner::ShowKeys(const std::string&) {
    auto& w = sim_.world();
    std::string keys;
    for (const auto& k : w.keys) {
        keys += (keys.empty() ? "" : " ") + k;
    }
    return keys.empty() ? "none" : keys;
}

std::string ScenarioRunner::ShowPageUrl(const std::string&) {
    auto& w = sim_.world();
    return QuoteText(w.page.url);
}

std::string ScenarioRunner::ShowPageEngine(const std::string&) {
    auto& w = sim_.world();
    if (!w.page.engine) {
        return "unset";
    }
    static const char* const kinds[] = {"embedded", "chromium", "attach", "none"};
    std::string out = kinds[static_cast<int>(w.page.engine->kind)];
    if (!w.page.engine->devToolsAddress.empty()) {
        out += " " + QuoteText(w.page.engine->devToolsAddress);
    }
    if (!w.page.engine->browserPath.empty()) {
        out += " " + QuoteText(w.page.engine->browserPath);
    }
    return out;
}

std::string ScenarioRunner::ShowPageNavigations(const std::string&) {
    auto& w = sim_.world();
    return std::to_string(w.page.navigations);
}

std::string ScenarioRunner::ShowPageSent(const std::string&) {
    auto& w = sim_.world();
    return QuoteText(w.page.sent);
}

std::string ScenarioRunner::ShowPageRequests(const std::string&) {
    auto& w = sim_.world();
    return std::to_string(w.page.requests);
}

std::string ScenarioRunner::ShowShellOrStarted(const std::string& name) {
    auto& w = sim_.world();
    std::string list;
    for (const auto& target : name == "shell" ? w.shellOpened : w.started) {
        list += (list.empty() ? "" : " ") + QuoteText(target);
    }
    return list.empty() ? "none" : list;
}

std::string ScenarioRunner::ShowLabel(const std::string& name) {
    std::string rest = name.substr(6);
    std::string part;
    if (auto dot = rest.find('.'); dot != std::string::npos) {
        part = rest.substr(dot + 1);
        rest = rest.substr(0, dot);
    }
    static const char* const kLabels[] = {"google", "lbldir", "lblCopy", "lblNew", "lbl", "lblText"};
    bool isLabel = false;
    for (const char* l : kLabels) {
        isLabel = isLabel || rest == l;
    }
    if (!isLabel || (part != "" && part != "visible" && part != "caption")) {
        throw ScriptError{"unknown name \"" + name + "\""};
    }
    RequireStarted();
    SimControl* c = ui().FindControl("frmTrans", rest);
    if (!c) {
        return "absent";
    }
    std::u16string caption = c->design.kind == ControlKind::RichText ? c->text : c->design.caption;
    if (part == "visible") {
        return YesNo(c->design.visible);
    }
    if (part == "caption") {
        return QuoteText(caption);
    }
    const auto& r = c->design.bounds;
    return QuoteText(caption) + " " + std::to_string(RoundHalfEven(r.left)) + "," +
           std::to_string(RoundHalfEven(r.top)) + "," + std::to_string(RoundHalfEven(r.width)) + "," +
           std::to_string(RoundHalfEven(r.height)) + (c->design.visible ? " visible" : " hidden");
}

std::string ScenarioRunner::ShowIconOrPopup(const std::string& name) {
    auto& w = sim_.world();
    bool icon = name[0] == 'i';
    std::string part = name.substr(icon ? 5 : 6);
    static const char* const kParts[] = {"visible", "rect", "alpha", "image", "twips", "text", "gray"};
    bool known = false;
    for (const char* k : kParts) {
        known = known || part == k;
    }
    if (!known || (icon && (part == "twips" || part == "text" || part == "gray")) ||
        (!icon && part == "image")) {
        throw ScriptError{"unknown name \"" + name + "\""};
    }
    RequireStarted();
    SimWindow* form = w.Form(icon ? "frmico" : "frmTrans");
    if (!form) {
        return "absent";
    }
    const RectPx& r = form->rect;
    if (part == "visible") {
        return YesNo(form->visible);
    }
    if (part == "rect") {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
               std::to_string(r.bottom);
    }
    if (part == "alpha") {
        return (form->exStyle & kWsExLayered) ? std::to_string(form->alpha) : "opaque";
    }
    if (part == "image") {
        for (const auto& c : form->controls) {
            if (c.design.visible && (c.design.name == "ico" || c.design.name == "icocls")) {
                return c.design.name;
            }
        }
        return "none";
    }
    if (part == "twips") {
        auto twips = [](std::int32_t px, double factor) {
            return std::to_string(RoundHalfEven(px * factor));
        };
        return twips(r.left, w.TwipsX()) + "," + twips(r.top, w.TwipsY()) + "," +
               twips(r.Width(), w.TwipsX()) + "," + twips(r.Height(), w.TwipsY());
    }
    SimControl* box = ui().FindControl("frmTrans", "lblText");
    if (part == "text") {
        return QuoteText(box ? box->text : u"");
    }
    // gray: the characters drawn in the popup's grey.
    Rgb gray = app_->startup.PopupGrayColor;
    for (std::size_t i = 0; box && i < box->text.size(); ++i) {
        if (box->charColor[i] == gray) {
            std::size_t end = i;
            while (end < box->text.size() && box->charColor[end] == gray) {
                ++end;
            }
            return std::to_string(i) + "," + std::to_string(end - i);
        }
    }
    return "none";
}

std::string ScenarioRunner::ShowCacheCount(const std::string&) {
    RequireStarted();
    return std::to_string(app_->connection.Translations.size());
}

std::string ScenarioRunner::ShowGliding(const std::string&) {
    RequireStarted();
    return app_->popup.IsGliding ? "yes" : "no";
}

std::string ScenarioRunner::ShowAbout(const std::string&) {
    Hwnd form = 0;
    SimControl* ver = ui().FindControl("frmAbout", "ver", &form);
    SimControl* dwn = ui().FindControl("frmAbout", "lblDwn");
    if (!ver || !dwn) {
        return "absent";
    }
    return QuoteText(ver->design.caption) + " " + QuoteText(dwn->design.caption) +
           (dwn->design.visible ? " visible" : " hidden");
}

std::string ScenarioRunner::ShowTimer(const std::string& name) {
    auto& w = sim_.world();
    for (const auto& timer : w.timers) {
        if (timer.name == name.substr(6)) {
            return (timer.enabled ? "on " : "off ") + std::to_string(timer.interval);
        }
    }
    if (!app_) {
        throw ScriptError{"the program has not started yet (use start)"};
    }
    throw ScriptError{"no timer named \"" + name.substr(6) + "\""};
}

std::string ScenarioRunner::ShowMainVisible(const std::string&) {
    auto& w = sim_.world();
    SimWindow* main = w.Form("frmMain");
    return YesNo(main && main->visible);
}

std::string ScenarioRunner::ShowMenuEnable(const std::string&) {
    return MenuItemShown(kMnuEnable);
}

std::string ScenarioRunner::ShowMenuConnect(const std::string&) {
    return MenuItemShown(kMnuConnect);
}

std::string ScenarioRunner::ShowSetting(const std::string& name) {
    App& a = RequireStarted();
    auto v = a.startup.Settings.Get(Utf8ToUtf16(name.substr(8)));
    return v ? QuoteText(*v) : "absent";
}

std::string ScenarioRunner::ShowColors(const std::string&) {
    App& a = RequireStarted();
    return std::to_string(a.startup.PopupBackColor) + "," + std::to_string(a.startup.PopupTextColor) + "," +
           std::to_string(a.startup.PopupGrayColor);
}

std::string ScenarioRunner::ShowButtons(const std::string&) {
    App& a = RequireStarted();
    return std::to_string(a.startup.PrimaryButtonKey) + "," + std::to_string(a.startup.SecondaryButtonKey);
}

std::string ScenarioRunner::ShowAppVersion(const std::string&) {
    App& a = RequireStarted();
    return QuoteText(a.startup.AppVersion);
}

std::string ScenarioRunner::ShowLatestVersion(const std::string&) {
    App& a = RequireStarted();
    return QuoteText(a.connection.LatestVersion);
}

std::string ScenarioRunner::ShowDownloadLink(const std::string&) {
    App& a = RequireStarted();
    return QuoteText(a.connection.DownloadLink);
}

std::string ScenarioRunner::ShowBalloon(const std::string&) {
    App& a = RequireStarted();
    auto& w = sim_.world();
    if (!w.tray.present || !w.tray.balloon) {
        return "none";
    }
    const auto& b = *w.tray.balloon;
    std::string kind = b.infoFlags == kNiifError ? "error" : b.infoFlags == kNiifWarning ? "warning" : "info";
    return QuoteText(b.infoTitle) + " " + QuoteText(b.info) + " " + kind + " " +
           Utf16ToUtf8(a.tray.BalloonTag);
}

// service.running (yes or no), service.starts, service.command, service.input, service.port.
std::string ScenarioRunner::ShowService(const std::string& name) {
    auto& s = sim_.world().service;
    std::string what = name.substr(8);
    if (what == "running") {
        return sim_.world().ServiceRuns() ? "yes" : "no";
    }
    if (what == "starts") {
        return std::to_string(s.starts);
    }
    if (what == "command") {
        return QuoteText(s.command);
    }
    if (what == "input") {
        return QuoteText(Utf8ToUtf16(s.input));
    }
    if (what == "port") {
        return std::to_string(s.port);
    }
    throw ScriptError{"unknown name \"" + name + "\""};
}

std::string ScenarioRunner::ShowConnected(const std::string&) {
    App& a = RequireStarted();
    return YesNo(a.connection.IsConnected);
}

std::string ScenarioRunner::ShowEnabled(const std::string&) {
    App& a = RequireStarted();
    return YesNo(a.IsEnabled());
}

std::string ScenarioRunner::ShowCurrentExe(const std::string&) {
    App& a = RequireStarted();
    return QuoteText(a.capture.CurrentExe);
}

}  // namespace plv::sim
