// The program's Browser: forwards to the engine the settings chose.

#include "platform/win32/win_browser.h"

#include <shlobj.h>

#include <cstdio>
#include <string>

#include "base/text.h"
#include "platform/win32/win_backend.h"
#include "platform/win32/win_text.h"

namespace plv::win {
namespace {

// Where a browser of our own keeps its profile: the user's local application data.
std::u16string ProfileFolder() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) {
        return {};
    }
    return U16(path) + u"\\Parlevo\\browser";
}

}  // namespace

WinBrowser::WinBrowser(WinTrace& trace) : trace_(trace) {}
WinBrowser::~WinBrowser() = default;

void WinBrowser::UseEngine(const BrowserChoice& choice) {
    switch (choice.kind) {
        case BrowserEngineKind::Embedded:
            engine_ = MakeEmbeddedEngine();
            break;
        case BrowserEngineKind::Chromium:
            engine_ = MakeChromiumEngine({u"", choice.browserPath, ProfileFolder()});
            break;
        case BrowserEngineKind::Attach:
            SayAttachMode(choice.devToolsAddress);
            engine_ = MakeChromiumEngine({choice.devToolsAddress, u"", u""});
            break;
        case BrowserEngineKind::None:
            engine_.reset();
            break;
    }
}

void WinBrowser::SayAttachMode(const std::u16string& address) {
    // Attach mode is for tests and for those who want it, and costs what it costs; the program
    // says so once, in the trace and in the debugger's output (which DebugView shows without a
    // debugger), so that a user who wonders where the selections go can find out.
    std::string line = "engine: attach mode: the browser whose DevTools endpoint is " + Utf16ToUtf8(address) +
                       " shows the service page; any program on this computer can use that endpoint and read "
                       "every selection, and the page's address with its key stays in that browser's history";
    trace_.Line(line);
    std::u16string wide = u"Parlevo: " + Utf8ToUtf16(line) + u"\n";
    OutputDebugStringW(W(wide));
}

std::u16string WinBrowser::TakeProblem() {
    return engine_ ? engine_->TakeProblem() : std::u16string();
}

void WinBrowser::Navigate(const std::u16string& url) {
    if (engine_) {
        engine_->Navigate(url);
    }
}

std::optional<std::u16string> WinBrowser::GetElementProperty(const std::u16string& id,
                                                             const std::u16string& name) {
    std::int64_t since = trace_.On() ? trace_.NowUs() : 0;
    auto value = engine_ ? engine_->GetElementProperty(id, name) : std::nullopt;
    Traced("get", id, name, since);
    return value;
}

bool WinBrowser::SetElementProperty(const std::u16string& id, const std::u16string& name,
                                    const std::u16string& value) {
    std::int64_t since = trace_.On() ? trace_.NowUs() : 0;
    bool done = engine_ && engine_->SetElementProperty(id, name, value);
    Traced("set", id, name, since);
    return done;
}

bool WinBrowser::CallElementMethod(const std::u16string& id, const std::u16string& name) {
    std::int64_t since = trace_.On() ? trace_.NowUs() : 0;
    bool done = engine_ && engine_->CallElementMethod(id, name);
    Traced("call", id, name, since);
    return done;
}

void WinBrowser::Traced(const char* what, const std::u16string& id, const std::u16string& name,
                        std::int64_t since) {
    if (!trace_.On()) {
        return;
    }
    char took[32];
    std::snprintf(took, sizeof took, "%.3f", static_cast<double>(trace_.NowUs() - since) / 1000.0);
    trace_.Line(std::string("engine: ") + what + " " + Utf16ToUtf8(id) + "." + Utf16ToUtf8(name) + ", " +
                took + " ms");
}

bool WinBrowser::EngineGone() {
    return engine_ && engine_->Gone();
}

void WinBrowser::HostCreated(HWND host) {
    if (engine_) {
        engine_->HostCreated(host);
    }
}

void WinBrowser::HostResized(int width, int height) {
    if (engine_) {
        engine_->HostResized(width, height);
    }
}

void WinBrowser::HostShown(bool shown) {
    if (engine_) {
        engine_->HostShown(shown);
    }
}

void WinBrowser::HostDestroying() {
    if (engine_) {
        engine_->HostDestroying();
    }
}

void WinBrowser::HostMoved() {
    if (engine_) {
        engine_->HostMoved();
    }
}

}  // namespace plv::win
