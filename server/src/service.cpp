#include "service.h"

#ifndef _WIN32
#include <netinet/tcp.h>
#endif

#include <charconv>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <tuple>

#include "apertium_engine.h"
#include "auto_translate.h"
#include "detect.h"
#include "http_server.h"
#include "page_assets.h"
#include "providers.h"
#include "request_fields.h"
#include "text_util.h"

namespace plv {
namespace {

using nlohmann::json;

void SendJson(httplib::Response& res, int status, const json& body) {
    res.status = status;
    // Replace, not throw: an error message may quote the client's invalid UTF-8 back.
    res.set_content(body.dump(-1, ' ', false, json::error_handler_t::replace), "application/json");
}

void SendError(httplib::Response& res, int status, const std::string& message) {
    SendJson(res, status, json{{"error", message}});
}

// Fills {{NAME}} slots in one pass, so a value that itself contains "{{" stays literal.
std::string FillTemplate(std::string_view tpl, const std::map<std::string, std::string>& values) {
    std::string out;
    out.reserve(tpl.size() + 512);
    std::size_t i = 0;
    while (i < tpl.size()) {
        auto open = tpl.find("{{", i);
        if (open == std::string_view::npos) break;
        auto close = tpl.find("}}", open + 2);
        if (close == std::string_view::npos) break;
        out.append(tpl.substr(i, open - i));
        auto it = values.find(std::string(tpl.substr(open + 2, close - open - 2)));
        if (it != values.end()) {
            out += it->second;
        } else {
            out.append(tpl.substr(open, close + 2 - open));
        }
        i = close + 2;
    }
    out.append(tpl.substr(i));
    return out;
}

// Compares without stopping at the first difference, so the time an answer takes says nothing
// about how much of a guessed key was right. `expected` is never empty.
bool SameKey(const std::string& given, const std::string& expected) {
    unsigned char diff = given.size() == expected.size() ? 0 : 1;
    for (std::size_t i = 0; i < given.size(); ++i)
        diff |= static_cast<unsigned char>(given[i] ^ expected[i % expected.size()]);
    return diff == 0;
}

}  // namespace

std::string Credit(const std::string& engine, const std::string& via) {
    if (engine.empty()) return {};
    return "Powered by " + engine + (via.empty() ? "" : ", through " + LanguageName(via));
}

std::string EngineLink(const std::string& engine) {
    const ProviderInfo* info = FindEngineByName(engine);
    return info == nullptr ? std::string() : info->link;
}

std::string DescribeDirection(const std::string& source, const std::string& target) {
    return (source == "auto" ? std::string("Any language") : LanguageName(source)) + " \u00bb " +
           LanguageName(target);
}

Service::Service(const Config& cfg, Engine& engine, ApertiumEngine* apertium)
    : cfg_(cfg), engine_(engine), apertium_(apertium) {}

std::string Service::RenderPage(const std::string& requested_dir, std::string* shown_dir) {
    std::string error;
    const auto languages = engine_.Languages(&error);
    std::map<std::string, std::string> names;  // an engine's name for a code our table lacks
    for (const auto& l : languages) names[l.code] = l.name;
    const auto name = [&](const std::string& code) {
        const std::string known = LanguageName(code);
        const auto it = names.find(code);
        return known != code || it == names.end() || it->second.empty() ? known : it->second;
    };
    struct Direction {
        std::string source, target, key, description, engine, via, source_name, target_name;
    };
    std::vector<Direction> directions;
    std::set<std::string> targets;
    for (const auto& l : languages) {
        for (const auto& t : l.targets) {
            const auto engine = l.engines.find(t);
            const auto via = l.via.find(t);
            directions.push_back({l.code, t, l.code + "-" + t, name(l.code) + " \u00bb " + name(t),
                                  engine == l.engines.end() ? "" : engine->second,
                                  via == l.via.end() ? "" : via->second, name(l.code), name(t)});
            targets.insert(t);
        }
    }
    // The source found from the text itself, into every language something translates to.
    for (const auto& t : targets)
        directions.push_back(
            {"auto", t, "auto-" + t, name("auto") + " \u00bb " + name(t), "", "", name("auto"), name(t)});
    std::string dir;
    if (!requested_dir.empty()) {
        dir = NormalizeDirection(requested_dir);
    } else {
        for (const auto& d : directions) {
            if (d.key == "en-es") dir = d.key;
        }
        if (dir.empty() && !directions.empty()) dir = directions.front().key;
    }
    if (shown_dir != nullptr) *shown_dir = dir;
    if (apertium_ != nullptr && !dir.empty() && cfg_.routes.count(dir) == 0) apertium_->Warm(dir);

    // The chooser: the detected source first, then one group per source language with its own
    // pairs, then, apart, the same groups for the directions through another language. Groups
    // and their directions in the order of the languages' names.
    std::sort(directions.begin(), directions.end(), [&](const Direction& a, const Direction& b) {
        const auto rank = [](const Direction& d) { return d.source == "auto" ? 0 : d.via.empty() ? 1 : 2; };
        return std::forward_as_tuple(rank(a), a.source_name, a.source, a.target_name) <
               std::forward_as_tuple(rank(b), b.source_name, b.source, b.target_name);
    });
    std::string fromto, options, engine, via, link, group;
    bool known = false;
    for (const auto& d : directions) {
        const bool selected = d.key == dir;
        if (selected) {
            fromto = d.description;
            engine = d.engine;
            via = d.via;
            link = EngineLink(d.engine);
            known = true;
        }
        const std::string label = d.source == "auto" || d.via.empty()
                                      ? d.source_name
                                      : d.source_name + ", through another language";
        if (label != group) {
            options += std::string(group.empty() ? "" : "</optgroup>") + "<optgroup label=\"" +
                       HtmlEscape(label) + "\">";
            group = label;
        }
        // Each direction carries its engine's credit, which the page shows when it is chosen,
        // and its name for "fromto", which for a through-direction is shorter than its text.
        const std::string text =
            d.via.empty() ? d.description : d.description + " (through " + name(d.via) + ")";
        options += "<option value=\"" + HtmlEscape(d.key) + "\"" + (selected ? " selected" : "") +
                   " data-engine=\"" + HtmlEscape(Credit(d.engine, d.via)) + "\" data-link=\"" +
                   HtmlEscape(EngineLink(d.engine)) + "\" data-fromto=\"" + HtmlEscape(d.description) +
                   "\">" + HtmlEscape(text) + "</option>";
    }
    if (!group.empty()) options += "</optgroup>";
    if (!known && !dir.empty()) {
        const auto dash = dir.find('-');
        fromto =
            dash == std::string::npos ? dir : DescribeDirection(dir.substr(0, dash), dir.substr(dash + 1));
        if (error.empty()) error = "Unknown direction " + dir + ".";
    }
    return FillTemplate(kIndexHtml,
                        {{"VERSION", HtmlEscape(cfg_.version)},
                         {"DOWNLOAD", HtmlEscape(cfg_.download)},
                         {"DIR", HtmlEscape(dir)},
                         {"FROMTO", HtmlEscape(fromto)},
                         {"OPTIONS", options},
                         {"CREDIT", HtmlEscape(Credit(engine, via))},
                         // No address, no href: an empty one would lead to this page.
                         {"CREDIT_HREF", link.empty() ? "" : " href=\"" + HtmlEscape(link) + "\""},
                         {"ERROR", HtmlEscape(error)}});
}

std::size_t Service::BodyLimit() const {
    // Room for a form-encoded text at the limit (up to 3 bytes per byte) plus other fields.
    return cfg_.text_limit * 3 + 64 * 1024;
}

bool Service::ReadFields(const httplib::Request& req, httplib::Response& res,
                         const httplib::ContentReader& reader, bool key_checked, RequestFields* fields) {
    const std::size_t limit = BodyLimit();
    const auto too_large = [&] {
        // The rest of the body is left unread, so the connection cannot carry another request.
        HttpServer::CloseAfterResponse();
        SendError(res, 413, "request too large: the body is over " + std::to_string(limit) + " bytes");
        return false;
    };
    const auto fail = [&](int status, const std::string& message) {
        SendError(res, status, message);
        return false;
    };
    // Known before reading a byte when the client says how long the body is.
    if (req.has_header("Content-Length")) {
        const std::string value = req.get_header_value("Content-Length");
        unsigned long long length = 0;
        const auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), length);
        if (ec == std::errc::result_out_of_range || (ec == std::errc() && length > limit)) return too_large();
    }
    // The library parses multipart bodies itself when it sees their content type, and then hands
    // over no raw bytes. Hiding the type from it keeps one parser for all three types, the one
    // the fuzz target exercises (ExtractFields). The Request object is the library's own,
    // non-const one, passed to handlers by const reference.
    const std::string content_type = req.get_header_value("Content-Type");
    if (req.is_multipart_form_data()) {
        auto& headers = const_cast<httplib::Request&>(req).headers;
        headers.erase("Content-Type");  // the map's keys compare without case
        headers.emplace("Content-Type", "application/octet-stream");
    }
    // Counted as it arrives, whatever the framing (Content-Length or chunked): over the limit the
    // reading stops and the request fails as a whole; nothing cut short is ever translated.
    std::string body;
    bool over = false;
    const bool complete = reader([&](const char* data, std::size_t n) {
        if (body.size() + n > limit) {
            over = true;
            return false;
        }
        body.append(data, n);
        return true;
    });
    if (over || res.status == 413) return too_large();
    if (!complete) {
        HttpServer::CloseAfterResponse();
        return fail(400, "incomplete request body");
    }

    std::map<std::string, std::string> query;
    for (const auto& [k, v] : req.params) query[k] = v;  // the query string, if any
    *fields = ExtractFields(content_type, body, std::move(query));
    if (fields->status != 200) return fail(fields->status, fields->error);
    if (!fields->Has("q")) return fail(400, "missing field 'q'");
    if (!key_checked && !cfg_.api_key.empty() &&
        (!fields->Has("api_key") || !SameKey(fields->Get("api_key"), cfg_.api_key))) {
        return fail(403, "invalid or missing api_key");
    }
    return true;
}

void Service::HandleDetect(const httplib::Request& req, httplib::Response& res,
                           const httplib::ContentReader& reader, bool key_checked) {
    RequestFields fields;
    if (!ReadFields(req, res, reader, key_checked, &fields)) return;
    std::string error;  // without the list, Serbo-Croatian keeps CLD2's names; nothing else changes
    std::set<std::string> offered;
    for (const auto& l : engine_.Languages(&error)) {
        offered.insert(l.code);
        offered.insert(l.targets.begin(), l.targets.end());
    }
    const DetectAnswer answer = AnswerDetect(fields, cfg_.text_limit, offered);
    if (answer.status != 200) return SendError(res, answer.status, answer.error);
    json out = json::array();
    for (const auto& l : answer.detection.languages)
        out.push_back({{"language", l.code}, {"confidence", l.confidence}});
    SendJson(res, 200, out);
}

void Service::HandleTranslate(const httplib::Request& req, httplib::Response& res,
                              const httplib::ContentReader& reader, bool key_checked) {
    RequestFields fields;
    if (!ReadFields(req, res, reader, key_checked, &fields)) return;
    for (const char* name : {"source", "target"}) {
        if (!fields.Has(name)) return SendError(res, 400, std::string("missing field '") + name + "'");
    }
    const std::string format_name = fields.Has("format") ? fields.Get("format") : "text";
    if (format_name != "text" && format_name != "html") {
        return SendError(res, 400, "unsupported format '" + format_name + "' (text or html)");
    }
    const TextFormat format = format_name == "html" ? TextFormat::kHtml : TextFormat::kText;
    for (const char* name : {"source", "target", "fallback"}) {
        if (fields.Has(name) && !IsValidUtf8(fields.Get(name)))
            return SendError(res, 400, std::string("field '") + name + "' is not valid UTF-8");
    }
    const TextCheck check = CheckText(fields, cfg_.text_limit);
    if (check.status != 200) return SendError(res, check.status, check.error);
    const std::string& q = fields.Get("q");
    json answer;
    TranslateResult result;
    if (fields.Get("source") == "auto") {
        std::string error;
        const auto languages = engine_.Languages(&error);
        if (!error.empty()) return SendError(res, 503, error);
        auto found = TranslateAuto(engine_, languages, q, fields.Get("target"),
                                   fields.Has("fallback") ? fields.Get("fallback") : "", format);
        result = std::move(found.result);
        if (result.status == 200) {
            // As LibreTranslate answers source=auto; `target` tells when the text, already in the
            // target language, went into the fallback instead.
            answer["detectedLanguage"] = {{"language", found.source}, {"confidence", found.confidence}};
            answer["target"] = found.target;
            answer["directionName"] = DescribeDirection(found.source, found.target);
        }
    } else {
        result = engine_.Translate(fields.Get("source"), fields.Get("target"), q, format);
    }
    if (result.status != 200) return SendError(res, result.status, result.text);
    // An engine with nothing to say about a text (every word unknown and dropped, an upstream
    // that answers "") leaves it as it is: an empty translation would look like no answer yet to
    // the program polling the page, which then waits for its time-out.
    if (IsBlank(result.text)) result.text = q;
    answer["translatedText"] = result.text;
    // Which engine translated, for the page's credit line (and a relay in front of us).
    if (!result.engine.empty()) {
        answer["engine"] = result.engine;
        answer["credit"] = Credit(result.engine, result.via);
        answer["link"] = EngineLink(result.engine);
        if (!result.via.empty()) answer["via"] = result.via;
    }
    SendJson(res, 200, answer);
}

void Service::WidenBacklog() const {
    // The library listens with a backlog of 5; a burst of parallel requests then overflows the
    // accept queue and some clients get their connection reset. Listening again on the bound
    // socket only raises the backlog.
    if (listen_socket_ != INVALID_SOCKET) ::listen(listen_socket_, SOMAXCONN);
}

// A team's Parlevo programs load the page from a server on the network, which asks for the
// key, and the program has no way to hand a key to the page: all it does is append
// "?dir=xx-yy" to its service address. So the key travels in the path. With serviceurl
// http://SERVER:PORT/key/KEY/ the page loads from there, its relative requests (page.js,
// translate, ...) land under the same prefix, and the key is checked from the path. A wrong key
// gets 403 without the page, so the page never shows the key to anyone who did not have it.
// Every route added here is answered under the prefix alike, so a client given the keyed
// address as its server (a LibreTranslate client asking for languages) finds all of them.
void Service::AddApiRoute(httplib::Server& svr, const std::string& method, const std::string& path,
                          ApiHandler handler) {
    std::string pattern;  // the path as a regular expression that matches it alone
    for (const char c : path) {
        if (std::string_view(".[]{}()\\*+?^$|").find(c) != std::string_view::npos) pattern += '\\';
        pattern += c;
    }
    // keyed: the route under /key/KEY/, whose key is checked before the handler runs.
    const auto add = [&](const std::string& route, bool keyed) {
        const auto allowed = [this, keyed](const httplib::Request& req, httplib::Response& res) {
            if (!keyed || SameKey(req.matches[1].str(), cfg_.api_key)) return true;
            HttpServer::CloseAfterResponse();  // a body, if any, is left unread
            SendError(res, 403, "invalid api_key in the address");
            return false;
        };
        if (method == "POST") {
            svr.Post(route, [handler, allowed, keyed](const httplib::Request& req, httplib::Response& res,
                                                      const httplib::ContentReader& reader) {
                if (allowed(req, res)) handler(req, res, &reader, keyed);
            });
        } else {
            svr.Get(route, [handler, allowed, keyed](const httplib::Request& req, httplib::Response& res) {
                if (allowed(req, res)) handler(req, res, nullptr, keyed);
            });
        }
    };
    add(pattern, false);
    if (!cfg_.api_key.empty()) add("/key/([^/]+)" + pattern, true);  // else no such path to guess at
}

void Service::Install(httplib::Server& svr) {
    // HandleTranslate counts the body itself and answers 413 past BodyLimit(). The library's own
    // check stops a chunked body at the cap without a word (the cut body then passed for the
    // whole), so it is set one byte beyond ours and never decides anything.
    svr.set_payload_max_length(BodyLimit() + 1);
    // The library's default sets SO_REUSEPORT, which would let a second instance share our port
    // and take half the requests. SO_REUSEADDR alone still allows a quick restart.
    svr.set_socket_options([this](socket_t sock) {
        int yes = 1;
#ifdef _WIN32
        // On Windows SO_REUSEADDR would let another program take over our port; exclusive use
        // is what keeps a second instance out there.
        ::setsockopt(sock, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&yes), sizeof yes);
        ::setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&yes), sizeof yes);
#else
        ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        // Accepted sockets inherit this. Without it, a response written as headers then body
        // waits on the client's delayed ACK: some 40 ms on every keep-alive request.
        ::setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
#endif
        listen_socket_ = sock;
    });

    // DNS rebinding: a web page on any site can have its own host name resolve to 127.0.0.1
    // and then talk to us as a same-origin page. Its requests still carry its host name, so a
    // loopback listener answers only requests that name it as loopback.
    // A server that took its key from its parent serves that parent alone: nothing outside
    // /key/KEY/ is answered, not even the page or the languages.
    const bool loopback = IsLoopbackAddress(cfg_.address);
    if (loopback || cfg_.keyed_paths_only) {
        svr.set_pre_routing_handler([this, loopback](const httplib::Request& req, httplib::Response& res) {
            const std::string host = req.get_header_value("Host");
            if (loopback && (req.get_header_value_count("Host") != 1 || !IsLoopbackHostHeader(host))) {
                HttpServer::CloseAfterResponse();  // a body, if any, is left unread
                SendError(res, 403, "forbidden: the Host header must name a loopback address or localhost");
                return httplib::Server::HandlerResponse::Handled;
            }
            const bool debug = cfg_.debug_endpoints && req.path.rfind("/debug/", 0) == 0;  // tests only
            if (cfg_.keyed_paths_only && req.path.rfind("/key/", 0) != 0 && !debug) {
                HttpServer::CloseAfterResponse();
                SendError(res, 403, "forbidden: this service answers only under its key");
                return httplib::Server::HandlerResponse::Handled;
            }
            return httplib::Server::HandlerResponse::Unhandled;
        });
    }
    AddApiRoute(
        svr, "GET", "/",
        [this](const httplib::Request& req, httplib::Response& res, const httplib::ContentReader*, bool) {
            res.set_header("Cache-Control", "no-store");
            std::string dir;
            std::string html = RenderPage(req.get_param_value("dir"), &dir);
            // A direction that cannot translate at all (its data missing, its engine not starting)
            // gets no page: a program loading it then shows the service as not connected at once.
            const std::string unavailable = dir.empty() ? std::string() : engine_.Unavailable(dir);
            if (!unavailable.empty()) return SendError(res, 503, unavailable);
            res.set_content(std::move(html), "text/html; charset=utf-8");
        });
    AddApiRoute(svr, "GET", "/page.js",
                [](const httplib::Request&, httplib::Response& res, const httplib::ContentReader*, bool) {
                    res.set_header("Cache-Control", "no-store");
                    res.set_content(std::string(kPageJs), "application/javascript; charset=utf-8");
                });
    AddApiRoute(svr, "GET", "/languages",
                [this](const httplib::Request&, httplib::Response& res, const httplib::ContentReader*, bool) {
                    std::string error;
                    auto languages = engine_.Languages(&error);
                    if (!error.empty()) return SendError(res, 503, error);
                    // LibreTranslate's shape, every target a language of its own; engines and
                    // via (the language a through-direction goes through) are ours, which its
                    // clients pass over.
                    json out = json::array();
                    for (const auto& l : languages)
                        out.push_back({{"code", l.code},
                                       {"name", l.name},
                                       {"targets", l.targets},
                                       {"engines", l.engines},
                                       {"via", l.via}});
                    SendJson(res, 200, out);
                });
    // The reader form bypasses the library's own 8 KiB cap on url-encoded bodies, which is
    // below our text limit; the overall payload cap above still applies.
    AddApiRoute(
        svr, "POST", "/translate",
        [this](const httplib::Request& req, httplib::Response& res, const httplib::ContentReader* reader,
               bool key_checked) { HandleTranslate(req, res, *reader, key_checked); });
    AddApiRoute(
        svr, "POST", "/detect",
        [this](const httplib::Request& req, httplib::Response& res, const httplib::ContentReader* reader,
               bool key_checked) { HandleDetect(req, res, *reader, key_checked); });
    if (cfg_.debug_endpoints && apertium_ != nullptr) {
        svr.Get("/debug/pids", [this](const httplib::Request& req, httplib::Response& res) {
            SendJson(res, 200, json{{"pids", apertium_->Pids(req.get_param_value("dir"))}});
        });
    }
    svr.set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (res.body.empty()) {
            std::string what = "HTTP error " + std::to_string(res.status);
            if (res.status == 400) what = "bad request";
            if (res.status == 404) what = "not found";
            if (res.status == 405) what = "method not allowed";
            if (res.status == 413) what = "request too large";
            SendError(res, res.status, what);
        }
    });
    svr.set_exception_handler([](const httplib::Request& req, httplib::Response& res, std::exception_ptr ep) {
        // The details go to the log only: an exception's text is no answer for a client.
        std::string what = "unknown exception";
        try {
            std::rethrow_exception(ep);
        } catch (const std::exception& e) {
            what = e.what();
        } catch (...) {
        }
        // Not the path: a key may travel in it.
        std::cerr << "plv-service: internal error in a " << req.method << " request: " << what << "\n";
        SendError(res, 500, "internal error");
    });
}

}  // namespace plv
