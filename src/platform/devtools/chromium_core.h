#pragma once
// The part of the Chromium engine that is the same on every system: the page attached over the
// browser's pipe (or over a connection to one page), navigation, the element operations and
// whether the browser is gone. A system's engine derives from it and gives the rest: how its
// browser of our own is started, watched and ended, and what becomes of the browser's window.
//
// Every operation runs on the program's one thread and waits a bounded time. An element
// operation is one Runtime.evaluate of a small function; its answer takes about half a
// millisecond on a healthy browser, so the bound of kAnswerMs is only reached by a browser that
// is hung, and the program's 100 ms poll is never held up otherwise.

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/devtools/devtools_session.h"

namespace plv::devtools {

constexpr std::uint32_t kAnswerMs = 250;  // one command's answer
// The first page of a browser of our own, in an app window (no tabs, no address bar: the service's
// address carries its key). Chromium opens about:blank in an ordinary window, whatever --app says.
constexpr const char* kAppPage = "data:text/html,%3Ctitle%3EParlevo%3C/title%3E";
// A browser of our own answering on its pipe for the first time. One that takes longer is kept and
// waited for again at the next navigation, rather than started twice.
constexpr std::uint32_t kStartMs = 5000;
constexpr std::uint32_t kCloseMs = 3000;  // a browser of our own ending after Browser.close
// How long a browser of our own that has just answered is given to show its app window's page,
// and how often it is looked for meanwhile.
constexpr std::uint32_t kAppPageMs = 3000;
constexpr std::uint32_t kAppPageLookMs = 50;

// A text field of a JSON object; empty when it is missing or not a string.
std::string Field(const nlohmann::json& object, const char* name);

class ChromiumCore {
  public:
    virtual ~ChromiumCore();
    ChromiumCore(const ChromiumCore&) = delete;
    ChromiumCore& operator=(const ChromiumCore&) = delete;

    // The Browser operations, with the meaning platform.h gives them.
    void Navigate(const std::u16string& url);
    std::optional<std::u16string> GetElementProperty(const std::u16string& id, const std::u16string& name);
    bool SetElementProperty(const std::u16string& id, const std::u16string& name,
                            const std::u16string& value);
    bool CallElementMethod(const std::u16string& id, const std::u16string& name);
    // A problem that keeps the engine from showing pages, each said once; empty when there is
    // nothing new to say.
    std::u16string TakeProblem();
    // Whether the browser is found gone (ended, or no longer answering). Returns at once.
    bool Gone();

  protected:
    // own: a browser of our own over its pipe; else a browser the user runs, reached through
    // ConnectAttached.
    explicit ChromiumCore(bool own);

    // A browser of our own. Starts it with its DevTools pipe: the transport, or nothing (a
    // problem said) when it cannot be started.
    virtual std::unique_ptr<Transport> StartBrowser() { return nullptr; }
    // Whether the browser started last still runs; at once.
    virtual bool BrowserRunning() { return false; }
    // Waits at most ms for the browser to end: whether it has.
    virtual bool BrowserExited(std::uint32_t /*ms*/) { return true; }
    // Ends the browser if it still runs, and lets it (and its window) go.
    virtual void EndBrowserProcess() {}
    // A browser the user runs: a new session to our page there (UseSession); false, with a problem
    // said, when there is none.
    virtual bool ConnectAttached() { return false; }
    // Whether the user's browser was found not to answer any more.
    virtual bool AttachedGone() { return false; }
    // Before each element operation (the program polls the page all the time): the browser's
    // window can be taken as soon as it is there.
    virtual void BeforeElement() {}
    // A connection has just been made: the browser's window can be placed.
    virtual void OnConnected() {}

    // For the derived engine's destructor: asks a browser of our own to close, so that its
    // profile is left in order, and ends it when it cannot be asked or does not go in time.
    void Shutdown();
    void Problem(const std::u16string& text);
    void UseSession(std::unique_ptr<Session> session);
    // Whether there is a page to drive now.
    bool Live();

    const bool own_;
    // The pipe of a browser of our own, or the connection to our page in the user's browser.
    std::unique_ptr<Session> session_;
    std::string targetId_;

  private:
    bool Connect();
    bool ConnectOwn();
    // Lets go of a browser of our own that has gone, or whose pipe broke (it is ended then).
    void EndBrowser();
    bool AttachPage(std::uint32_t ms);
    std::optional<nlohmann::json> Element(const char* op, const std::u16string& id,
                                          const std::u16string& name, const std::u16string& value);

    std::int64_t navigation_ = 0;  // the Page.navigate whose answer is still to come
    bool started_ = false;         // a browser of our own has been started and not ended
    bool attached_ = false;        // a page is attached on its pipe
    bool answered_ = false;        // it has answered on its pipe since its start
    std::deque<std::u16string> problems_;
    std::u16string lastProblem_;
};

}  // namespace plv::devtools
