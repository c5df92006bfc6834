// The DevTools session and the pipe's framing, the same on every system.

#include "platform/devtools/devtools_session.h"

#include <cstring>
#include <utility>

namespace plv::devtools {
namespace {

using nlohmann::json;

// Commands in a row without an answer before the connection counts as broken.
constexpr int kMaxUnanswered = 3;
// Posted commands whose answers are watched for; older ones are forgotten.
constexpr std::size_t kMaxPosted = 16;
// A write to a browser on this computer is done at once; a browser that takes longer is hung.
constexpr std::uint32_t kPostMs = 250;

}  // namespace

std::uint32_t Remaining(std::uint64_t deadline) {
    std::uint64_t now = NowMs();
    return now >= deadline ? 0 : static_cast<std::uint32_t>(deadline - now);
}

void NulFraming::Add(const char* data, std::size_t size) {
    const char* p = data;
    const char* end = p + size;
    while (p < end) {
        const auto* nul = static_cast<const char*>(std::memchr(p, '\0', static_cast<std::size_t>(end - p)));
        const char* stop = nul != nullptr ? nul : end;
        auto piece = static_cast<std::size_t>(stop - p);
        if (!oversized_ && partial_.size() + piece > kMaxMessageBytes) {
            oversized_ = true;
            partial_.clear();
        }
        if (!oversized_) {
            partial_.append(p, piece);
        }
        if (nul == nullptr) {
            break;
        }
        if (!oversized_) {
            if (messages_.size() >= kMaxQueuedMessages) {
                messages_.pop_front();
            }
            messages_.push_back(std::move(partial_));
        }
        partial_.clear();
        oversized_ = false;
        p = nul + 1;
    }
}

void NulFraming::Take(std::deque<std::string>& into) {
    for (std::string& m : messages_) {
        into.push_back(std::move(m));
    }
    messages_.clear();
}

Session::Session(std::unique_ptr<Transport> transport) : transport_(std::move(transport)) {}

Session::~Session() = default;

bool Session::Ended() {
    return transport_->Ended();
}

bool Session::Broken() {
    return hung_ || pageGone_ || Ended();
}

void Session::UsePage(const std::string& sessionId) {
    if (!page_.empty() && page_ != sessionId && !pageGone_) {
        // The browser would go on keeping the old session for us.
        Post("Target.detachFromTarget", {{"sessionId", page_}}, To::Browser);
    }
    page_ = sessionId;
    pageGone_ = false;
    hung_ = false;
}

std::int64_t Session::Send(const char* method, json params, To to, std::uint64_t deadline) {
    if (to == To::Page && (hung_ || pageGone_)) {
        return 0;
    }
    std::int64_t id = ++nextId_;
    json message = {{"id", id}, {"method", method}, {"params", std::move(params)}};
    if (to == To::Page && !page_.empty()) {
        message["sessionId"] = page_;
    }
    // ASCII only: the text the page gets is escaped, whatever its characters.
    if (!transport_->Send(message.dump(-1, ' ', true, json::error_handler_t::replace), deadline)) {
        return 0;
    }
    return id;
}

std::int64_t Session::Post(const char* method, json params, To to) {
    std::int64_t id = Send(method, std::move(params), to, NowMs() + kPostMs);
    if (id != 0) {
        if (posted_.size() >= kMaxPosted) {
            posted_.erase(posted_.begin());
        }
        posted_.insert(id);
    }
    return id;
}

void Session::Pause(std::uint32_t ms) {
    std::uint64_t deadline = NowMs() + ms;
    for (std::uint64_t now = NowMs(); now < deadline && !Ended(); now = NowMs()) {
        transport_->Wait(static_cast<std::uint32_t>(deadline - now));
        bool found = false;
        Take(0, found);
    }
}

bool Session::Answered(std::int64_t id) {
    bool found = false;
    Take(0, found);
    return Broken() || posted_.count(id) == 0;
}

std::optional<json> Session::Take(std::int64_t wanted, bool& found) {
    std::deque<std::string> arrived;
    transport_->Receive(arrived);
    std::optional<json> result;
    for (const std::string& text : arrived) {
        json answer = json::parse(text, nullptr, false);
        if (!answer.is_object()) {
            continue;
        }
        auto it = answer.find("id");
        if (it == answer.end() || !it->is_number_integer()) {
            // An event. The one that matters: the page we use has gone (its tab was closed).
            auto params = answer.find("params");
            if (!page_.empty() && answer.value("method", "") == "Target.detachedFromTarget" &&
                params != answer.end() && params->is_object() && params->value("sessionId", "") == page_) {
                pageGone_ = true;
            }
            continue;
        }
        std::int64_t id = it->get<std::int64_t>();
        posted_.erase(id);
        if (id != wanted || found) {
            continue;
        }
        found = true;
        auto r = answer.find("result");
        if (!answer.contains("error") && r != answer.end()) {
            result = std::move(*r);
        }
    }
    return result;
}

std::optional<json> Session::Call(const char* method, json params, std::uint32_t timeoutMs, To to) {
    std::uint64_t deadline = NowMs() + timeoutMs;
    std::int64_t id = Send(method, std::move(params), to, deadline);
    while (id != 0) {
        bool found = false;
        auto result = Take(id, found);
        if (found) {
            unanswered_ = 0;
            return result;
        }
        std::uint32_t left = Remaining(deadline);
        if (left == 0 || Ended()) {
            break;
        }
        transport_->Wait(left);
    }
    if (++unanswered_ >= kMaxUnanswered) {
        hung_ = true;
    }
    return std::nullopt;
}

}  // namespace plv::devtools
