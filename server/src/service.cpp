#include "service.h"

#include <netinet/tcp.h>

#include <iostream>
#include <map>
#include <nlohmann/json.hpp>

#include "apertium_engine.h"
#include "page_assets.h"
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

struct Fields {
    std::map<std::string, std::string> values;
    bool Has(const std::string& k) const { return values.count(k) != 0; }
    const std::string& Get(const std::string& k) const { return values.at(k); }
};

}  // namespace

std::string DescribeDirection(const std::string& source, const std::string& target) {
    return LanguageName(source) + " \u00bb " + LanguageName(target);
}

Service::Service(const Config& cfg, Engine& engine, ApertiumEngine* apertium)
    : cfg_(cfg), engine_(engine), apertium_(apertium) {}

std::string Service::RenderPage(const std::string& requested_dir) {
    std::string error;
    const auto languages = engine_.Languages(&error);
    std::vector<std::pair<std::string, std::string>> directions;  // key, description
    for (const auto& l : languages) {
        for (const auto& t : l.targets)
            directions.emplace_back(l.code + "-" + t, DescribeDirection(l.code, t));
    }
    std::string dir;
    if (!requested_dir.empty()) {
        const auto dash = requested_dir.find('-');
        dir = dash == std::string::npos ? requested_dir
                                        : NormalizeLanguageCode(requested_dir.substr(0, dash)) + "-" +
                                              NormalizeLanguageCode(requested_dir.substr(dash + 1));
    } else {
        for (const auto& [key, desc] : directions) {
            if (key == "en-es") dir = key;
        }
        if (dir.empty() && !directions.empty()) dir = directions.front().first;
    }
    std::string fromto, options;
    bool known = false;
    for (const auto& [key, desc] : directions) {
        const bool selected = key == dir;
        if (selected) {
            fromto = desc;
            known = true;
        }
        options += "<option value=\"" + HtmlEscape(key) + "\"" + (selected ? " selected" : "") + ">" +
                   HtmlEscape(desc) + "</option>";
    }
    if (!known && !dir.empty()) {
        const auto dash = dir.find('-');
        fromto =
            dash == std::string::npos ? dir : DescribeDirection(dir.substr(0, dash), dir.substr(dash + 1));
        if (error.empty()) error = "Unknown direction " + dir + ".";
    }
    return FillTemplate(kIndexHtml, {{"VERSION", HtmlEscape(cfg_.version)},
                                     {"DOWNLOAD", HtmlEscape(cfg_.download)},
                                     {"DIR", HtmlEscape(dir)},
                                     {"FROMTO", HtmlEscape(fromto)},
                                     {"OPTIONS", options},
                                     {"ERROR", HtmlEscape(error)}});
}

void Service::HandleTranslate(const httplib::Request& req, httplib::Response& res,
                              const httplib::ContentReader& reader) {
    Fields fields;
    for (const auto& [k, v] : req.params) fields.values[k] = v;  // query string, if any
    const std::string content_type = req.get_header_value("Content-Type");
    if (req.is_multipart_form_data()) {
        std::string current;
        reader(
            [&](const httplib::MultipartFormData& f) {
                current = f.name;
                fields.values[current].clear();
                return true;
            },
            [&](const char* data, std::size_t n) {
                fields.values[current].append(data, n);
                return true;
            });
    } else {
        std::string body;
        reader([&](const char* data, std::size_t n) {
            body.append(data, n);
            return true;
        });
        if (content_type.rfind("application/json", 0) == 0) {
            json j;
            try {
                j = json::parse(body);
            } catch (const json::parse_error& e) {
                // nlohmann rejects invalid UTF-8 inside strings here too.
                return SendError(res, 400, std::string("malformed JSON: ") + e.what());
            }
            if (!j.is_object()) return SendError(res, 400, "malformed JSON: expected an object");
            for (const auto& [k, v] : j.items()) {
                if (v.is_string()) {
                    fields.values[k] = v.get<std::string>();
                } else if (k == "q" || k == "source" || k == "target" || k == "format" || k == "api_key") {
                    return SendError(res, 400, "field '" + k + "' must be a string");
                }
            }
        } else {
            httplib::Params params;
            httplib::detail::parse_query_text(body, params);
            for (const auto& [k, v] : params) fields.values[k] = v;
        }
    }
    for (const char* name : {"q", "source", "target"}) {
        if (!fields.Has(name)) return SendError(res, 400, std::string("missing field '") + name + "'");
    }
    if (fields.Has("format") && fields.Get("format") != "text") {
        return SendError(res, 400, "unsupported format '" + fields.Get("format") + "' (only text)");
    }
    if (!cfg_.api_key.empty() && (!fields.Has("api_key") || fields.Get("api_key") != cfg_.api_key)) {
        return SendError(res, 403, "invalid or missing api_key");
    }
    const std::string& q = fields.Get("q");
    for (const char* name : {"q", "source", "target"}) {
        if (!IsValidUtf8(fields.Get(name)))
            return SendError(res, 400, std::string("field '") + name + "' is not valid UTF-8");
    }
    if (q.size() > cfg_.text_limit) {
        return SendError(res, 413,
                         "text too large: " + std::to_string(q.size()) + " bytes, limit " +
                             std::to_string(cfg_.text_limit));
    }
    if (IsBlank(q)) return SendError(res, 400, "empty text");
    auto result = engine_.Translate(fields.Get("source"), fields.Get("target"), q);
    if (result.status != 200) return SendError(res, result.status, result.text);
    SendJson(res, 200, json{{"translatedText", result.text}});
}

void Service::WidenBacklog() const {
    // The library listens with a backlog of 5; a burst of parallel requests then overflows the
    // accept queue and some clients get their connection reset. Listening again on the bound
    // socket only raises the backlog.
    if (listen_socket_ >= 0) ::listen(listen_socket_, SOMAXCONN);
}

void Service::Install(httplib::Server& svr) {
    // Room for a form-encoded text at the limit (up to 3 bytes per byte) plus other fields.
    svr.set_payload_max_length(cfg_.text_limit * 3 + 64 * 1024);
    svr.new_task_queue = [] { return new httplib::ThreadPool(16); };
    // The library's default sets SO_REUSEPORT, which would let a second instance share our port
    // and take half the requests. SO_REUSEADDR alone still allows a quick restart.
    svr.set_socket_options([this](socket_t sock) {
        int yes = 1;
        ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        // Accepted sockets inherit this. Without it, a response written as headers then body
        // waits on the client's delayed ACK: some 40 ms on every keep-alive request.
        ::setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        listen_socket_ = sock;
    });

    svr.Get("/", [this](const httplib::Request& req, httplib::Response& res) {
        res.set_header("Cache-Control", "no-store");
        res.set_content(RenderPage(req.get_param_value("dir")), "text/html; charset=utf-8");
    });
    svr.Get("/page.js", [](const httplib::Request&, httplib::Response& res) {
        res.set_header("Cache-Control", "no-store");
        res.set_content(std::string(kPageJs), "application/javascript; charset=utf-8");
    });
    svr.Get("/languages", [this](const httplib::Request&, httplib::Response& res) {
        std::string error;
        auto languages = engine_.Languages(&error);
        if (!error.empty()) return SendError(res, 503, error);
        json out = json::array();
        for (const auto& l : languages)
            out.push_back({{"code", l.code}, {"name", l.name}, {"targets", l.targets}});
        SendJson(res, 200, out);
    });
    // The reader form bypasses the library's own 8 KiB cap on url-encoded bodies, which is
    // below our text limit; the overall payload cap above still applies.
    svr.Post("/translate",
             [this](const httplib::Request& req, httplib::Response& res,
                    const httplib::ContentReader& reader) { HandleTranslate(req, res, reader); });
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
    svr.set_exception_handler([](const httplib::Request&, httplib::Response& res, std::exception_ptr ep) {
        std::string what = "internal error";
        try {
            std::rethrow_exception(ep);
        } catch (const std::exception& e) {
            what += std::string(": ") + e.what();
        } catch (...) {
        }
        std::cerr << "plv-service: " << what << "\n";
        SendError(res, 500, what);
    });
}

}  // namespace plv
