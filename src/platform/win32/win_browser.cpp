// The program's Browser: forwards to the engine the settings chose.

#include "platform/win32/win_browser.h"

#include <shlobj.h>

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

WinBrowser::WinBrowser() = default;
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
            engine_ = MakeChromiumEngine({choice.devToolsAddress, u"", u""});
            break;
        case BrowserEngineKind::None:
            engine_.reset();
            break;
    }
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
    return engine_ ? engine_->GetElementProperty(id, name) : std::nullopt;
}

bool WinBrowser::SetElementProperty(const std::u16string& id, const std::u16string& name,
                                    const std::u16string& value) {
    return engine_ && engine_->SetElementProperty(id, name, value);
}

bool WinBrowser::CallElementMethod(const std::u16string& id, const std::u16string& name) {
    return engine_ && engine_->CallElementMethod(id, name);
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
