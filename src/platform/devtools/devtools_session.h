#pragma once
// A Chromium-family browser's DevTools protocol, whatever carries it: the session of commands and
// answers, and the framing of the browser's pipe. Each system gives the transports (Windows: a
// named pipe and a WinHTTP WebSocket; POSIX: a pipe) and its monotonic clock. Every wait here has
// a bound, and nothing pumps a system's messages.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include <nlohmann/json.hpp>

namespace plv::devtools {

// A message larger than this is dropped as it arrives. The element reads are cut to 1 MiB of
// UTF-16 in the page, which JSON-escaped stays well below it.
constexpr std::size_t kMaxMessageBytes = 16u << 20;
// Events nobody waits for (and answers that came too late) are kept only this many at a time.
constexpr std::size_t kMaxQueuedMessages = 256;

// Milliseconds of the system's monotonic clock; each system's transports define it (on Windows
// the tick count, which the deadlines of its transports have always been in).
std::uint64_t NowMs();
// The milliseconds left until the deadline; 0 once it has passed.
std::uint32_t Remaining(std::uint64_t deadline);

// What carries a DevTools connection's messages, whole JSON texts both ways.
class Transport {
  public:
    virtual ~Transport() = default;
    // Sends one message; false when the connection has ended, or when the write is not done by
    // the deadline (NowMs), which ends it.
    virtual bool Send(const std::string& text, std::uint64_t deadline) = 0;
    // Moves the messages that have arrived, in their order, to the end of `into`.
    virtual void Receive(std::deque<std::string>& into) = 0;
    // Waits at most ms for a message or the end of the connection.
    virtual void Wait(std::uint32_t ms) = 0;
    // The browser closed the connection or went away, or a write failed.
    virtual bool Ended() = 0;
};

// The pipe's framing: each message ends with a NUL byte. Bytes go in as they are read; a message
// larger than kMaxMessageBytes is dropped, and only the newest kMaxQueuedMessages are kept.
class NulFraming {
  public:
    void Add(const char* data, std::size_t size);
    // Moves the whole messages to the end of `into`.
    void Take(std::deque<std::string>& into);
    bool Empty() const { return messages_.empty(); }

  private:
    std::string partial_;
    bool oversized_ = false;
    std::deque<std::string> messages_;
};

// Where a command goes. A connection to a page speaks to that page only. A connection to the
// browser (its pipe) speaks to the browser, and to a page once the session uses one: its
// commands then carry the page's sessionId (Target.attachToTarget with flatten).
enum class To { Page, Browser };

// A DevTools session over one transport. Commands are sent with increasing ids; an answer is
// taken only for the command it belongs to, so one that comes too late is dropped when it
// arrives.
class Session {
  public:
    explicit Session(std::unique_ptr<Transport> transport);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The connection itself has ended (the browser closed it or went away).
    bool Ended();
    // Nothing more can be done with the page: the connection has ended, the page stopped
    // answering, or (over a browser connection) the page went away.
    bool Broken();
    // From now on page commands carry this sessionId, and the page counts as answering again.
    // The page used before, if any, is let go.
    void UsePage(const std::string& sessionId);
    // Sends a command without waiting for its answer: its id, 0 when it cannot be sent.
    std::int64_t Post(const char* method, nlohmann::json params, To to = To::Page);
    // Whether the answer to a command sent with Post has come (or the session is broken).
    bool Answered(std::int64_t id);
    // Lets at most ms pass, taking what arrives meanwhile (answers to posted commands, events).
    void Pause(std::uint32_t ms);
    // Sends a command and waits at most timeoutMs for its answer: its "result", nothing when the
    // answer is an error, late, or the command cannot be sent. Several commands in a row without
    // an answer leave the page broken, so that a hung browser costs the wait only a few times;
    // commands to the browser still go out then, to find a page again or close it.
    std::optional<nlohmann::json> Call(const char* method, nlohmann::json params, std::uint32_t timeoutMs,
                                       To to = To::Page);

  private:
    std::int64_t Send(const char* method, nlohmann::json params, To to, std::uint64_t deadline);
    // Takes what has arrived: the answer to the command `wanted`, if among it; the answers to
    // posted commands are noted, the page's going away too, and everything else (events,
    // answers that came too late) dropped.
    std::optional<nlohmann::json> Take(std::int64_t wanted, bool& found);

    std::unique_ptr<Transport> transport_;
    std::string page_;       // the page's sessionId over a browser connection
    bool pageGone_ = false;  // the browser said the page was detached
    bool hung_ = false;      // too many commands in a row went unanswered
    std::int64_t nextId_ = 0;
    int unanswered_ = 0;
    std::set<std::int64_t> posted_;  // posted commands whose answer has not come yet
};

}  // namespace plv::devtools
