// The Chromium engine's part that is the same on every system.

#include "platform/devtools/chromium_core.h"

#include <utility>

#include "base/text.h"

namespace plv::devtools {
namespace {

using nlohmann::json;

constexpr int kMaxValueUnits = 1 << 20;  // UTF-16 units of one value read

// Finds the element by id and the member by name, the exact name first and else any whose name
// differs only in letter case; then gets it as a string, sets it or calls it. Null for a missing
// element or member and for anything that throws; the property put fails on a read-only member
// because the function is strict.
constexpr const char* kElementFunction = R"JS((function (id, name, op, value, limit) {
    'use strict';
    try {
        var el = document.getElementById(id);
        if (!el) {
            return null;
        }
        var key = name;
        if (!(key in el)) {
            key = null;
            var wanted = name.toLowerCase();
            for (var k in el) {
                if (k.toLowerCase() === wanted) {
                    key = k;
                    break;
                }
            }
            if (key === null) {
                return null;
            }
        }
        if (op === 'get') {
            var v = el[key];
            if (v === null || v === undefined) {
                return null;
            }
            v = String(v);
            if (v.length > limit) {
                var end = limit;
                var last = v.charCodeAt(end - 1);
                if (last >= 0xD800 && last <= 0xDBFF) {
                    end -= 1;
                }
                v = v.substring(0, end);
            }
            return v;
        }
        if (op === 'set') {
            el[key] = value;
            return true;
        }
        if (typeof el[key] !== 'function') {
            return null;
        }
        el[key]();
        return true;
    } catch (e) {
        return null;
    }
}))JS";

// A JavaScript string literal of any text: JSON's, with everything outside ASCII escaped.
std::string Literal(const std::u16string& s) {
    return json(Utf16ToUtf8(s)).dump(-1, ' ', true, json::error_handler_t::replace);
}

}  // namespace

std::string Field(const json& object, const char* name) {
    auto it = object.find(name);
    return it != object.end() && it->is_string() ? it->get<std::string>() : std::string();
}

ChromiumCore::ChromiumCore(bool own) : own_(own) {}

ChromiumCore::~ChromiumCore() = default;

void ChromiumCore::Shutdown() {
    bool asked = own_ && session_ && !session_->Ended();
    if (asked) {
        // The answer may not come before the pipe ends with the browser; the request is out by
        // then either way.
        session_->Call("Browser.close", json::object(), kAnswerMs, To::Browser);
    }
    // Closing our ends of its pipe ends the browser too, as Chromium closes when its pipe does.
    session_.reset();
    if (started_) {
        if (asked) {
            BrowserExited(kCloseMs);
        }
        EndBrowserProcess();
        started_ = false;
    }
}

void ChromiumCore::Navigate(const std::u16string& url) {
    if (!Live() && !Connect()) {
        return;
    }
    navigation_ = session_->Post("Page.navigate", {{"url", Utf16ToUtf8(url)}});
}

std::optional<std::u16string> ChromiumCore::GetElementProperty(const std::u16string& id,
                                                               const std::u16string& name) {
    auto v = Element("get", id, name, u"");
    if (!v || !v->is_string()) {
        return std::nullopt;
    }
    return Utf8ToUtf16(v->get<std::string>());
}

bool ChromiumCore::SetElementProperty(const std::u16string& id, const std::u16string& name,
                                      const std::u16string& value) {
    auto v = Element("set", id, name, value);
    return v && v->is_boolean() && v->get<bool>();
}

bool ChromiumCore::CallElementMethod(const std::u16string& id, const std::u16string& name) {
    auto v = Element("call", id, name, u"");
    return v && v->is_boolean() && v->get<bool>();
}

std::u16string ChromiumCore::TakeProblem() {
    if (problems_.empty()) {
        return {};
    }
    std::u16string p = std::move(problems_.front());
    problems_.pop_front();
    return p;
}

bool ChromiumCore::Gone() {
    if (own_) {
        // Both looks return at once.
        return started_ && (!BrowserRunning() || !session_ || session_->Ended());
    }
    // The page is lost with its session, whether the browser ended (and may have been started
    // again since) or only our tab was closed: only a new navigation brings one back.
    return AttachedGone() || (session_ && session_->Broken());
}

bool ChromiumCore::Live() {
    return session_ && !session_->Broken() && (!own_ || attached_);
}

// Says a problem once; the same one again only after things have worked in between.
void ChromiumCore::Problem(const std::u16string& text) {
    if (text != lastProblem_) {
        lastProblem_ = text;
        problems_.push_back(text);
    }
}

void ChromiumCore::UseSession(std::unique_ptr<Session> session) {
    session_ = std::move(session);
}

bool ChromiumCore::Connect() {
    navigation_ = 0;
    if (!(own_ ? ConnectOwn() : ConnectAttached())) {
        return false;
    }
    lastProblem_.clear();
    OnConnected();
    return true;
}

// A browser of our own: the running one, or a new one when it has gone (or its pipe broke), and
// its page attached again after it went away or stopped answering.
bool ChromiumCore::ConnectOwn() {
    if (!session_ || session_->Ended() || !started_ || !BrowserRunning()) {
        EndBrowser();
        auto pipe = StartBrowser();
        if (!pipe) {
            return false;
        }
        started_ = true;
        session_ = std::make_unique<Session>(std::move(pipe));
        answered_ = false;
    }
    // A browser that has not answered yet may still be starting.
    if (AttachPage(answered_ ? kAnswerMs : kStartMs)) {
        answered_ = true;
        return true;
    }
    if (session_->Ended() && BrowserExited(kCloseMs)) {
        Problem(u"The browser exited at once.");
    } else if (!answered_) {
        // It is kept, and waited for again at the next navigation, rather than started twice.
        Problem(u"The browser did not answer on its DevTools pipe within " +
                Utf8ToUtf16(std::to_string(kStartMs / 1000)) + u" seconds.");
    } else {
        Problem(u"The browser does not answer on its DevTools pipe.");
    }
    return false;
}

void ChromiumCore::EndBrowser() {
    session_.reset();
    attached_ = false;
    if (started_) {
        EndBrowserProcess();
        started_ = false;
    }
}

// The page to drive: the one used before if it is still there, else the first page (the app
// window), else a new one; attached with flatten, so that its commands and answers travel on the
// browser's pipe with its sessionId.
bool ChromiumCore::AttachPage(std::uint32_t ms) {
    attached_ = false;
    std::string id;
    // A browser just started answers on its pipe before its app window has a page; a page made
    // now would open in an ordinary browser window, with tabs and the address (and the service's
    // key) in view. So the app window's page is waited for a while first.
    std::uint64_t appDeadline = NowMs() + (answered_ || !started_ ? 0 : kAppPageMs);
    for (;;) {
        auto list = session_->Call("Target.getTargets", json::object(), ms, To::Browser);
        if (!list || !list->is_object() || !(*list)["targetInfos"].is_array()) {
            return false;
        }
        for (const json& t : (*list)["targetInfos"]) {
            if (!t.is_object() || Field(t, "type") != "page") {
                continue;
            }
            if (id.empty() || Field(t, "targetId") == targetId_) {
                id = Field(t, "targetId");
            }
        }
        if (!id.empty() || NowMs() >= appDeadline || session_->Ended()) {
            break;
        }
        session_->Pause(kAppPageLookMs);
    }
    if (id.empty()) {
        auto made = session_->Call("Target.createTarget", {{"url", "about:blank"}}, kAnswerMs, To::Browser);
        id = made && made->is_object() ? Field(*made, "targetId") : std::string();
    }
    auto attached = id.empty()
                        ? std::nullopt
                        : session_->Call("Target.attachToTarget", {{"targetId", id}, {"flatten", true}},
                                         kAnswerMs, To::Browser);
    std::string sessionId = attached && attached->is_object() ? Field(*attached, "sessionId") : std::string();
    if (sessionId.empty()) {
        return false;
    }
    targetId_ = id;
    session_->UsePage(sessionId);
    attached_ = true;
    return true;
}

std::optional<json> ChromiumCore::Element(const char* op, const std::u16string& id,
                                          const std::u16string& name, const std::u16string& value) {
    if (!Live()) {
        return std::nullopt;  // at once: the next navigation connects again
    }
    BeforeElement();
    // While a navigation is under way, DevTools holds back what is meant for the page and hands it
    // to the new document once that is committed: an operation on the old document would act on
    // the new one, later and unseen. So there is no document until the answer to Page.navigate,
    // which comes with the commit (or the failure).
    if (navigation_ != 0) {
        if (!session_->Answered(navigation_)) {
            return std::nullopt;
        }
        navigation_ = 0;
    }
    std::string expression = std::string(kElementFunction) + "(" + Literal(id) + "," + Literal(name) + ",'" +
                             op + "'," + Literal(value) + "," + std::to_string(kMaxValueUnits) + ")";
    auto r = session_->Call(
        "Runtime.evaluate",
        {{"expression", std::move(expression)}, {"returnByValue", true}, {"silent", true}}, kAnswerMs);
    if (!r || !r->is_object() || r->contains("exceptionDetails")) {
        return std::nullopt;
    }
    auto result = r->find("result");
    if (result == r->end() || !result->is_object()) {
        return std::nullopt;
    }
    auto v = result->find("value");
    if (v == result->end()) {
        return std::nullopt;
    }
    return std::move(*v);
}

}  // namespace plv::devtools
