// The HTTP face of plv-service: the service page at /, and the translation API.
#pragma once

#include <httplib.h>

#include <functional>
#include <string>

#include "config.h"
#include "engine.h"
#include "request_fields.h"

namespace plv {

class ApertiumEngine;

class Service {
  public:
    // apertium may be null (relay engine); it is only used for /debug/pids.
    Service(const Config& cfg, Engine& engine, ApertiumEngine* apertium);

    // Installs routes, limits and error handlers on svr.
    void Install(httplib::Server& svr);

    // Call after binding the server's port.
    void WidenBacklog() const;

    // The page for a direction such as "en-es" (empty: the default one), with the configured
    // version and download values, the direction chooser and its description filled in.
    // *shown_dir, when given, receives the direction the page is for.
    std::string RenderPage(const std::string& dir, std::string* shown_dir = nullptr);

    // The largest request body /translate and /detect read; a larger one is answered 413.
    std::size_t BodyLimit() const;

    // What an API route does: body is the request's body reader (POST) or null (GET);
    // key_checked: the api_key came in the request's path and was found right.
    using ApiHandler = std::function<void(const httplib::Request&, httplib::Response&,
                                          const httplib::ContentReader* body, bool key_checked)>;
    // Adds METHOD ("GET" or "POST") PATH, and on a server with an api_key the same route under
    // /key/KEY/ (PATH "/" answers /key/KEY/), where a wrong key gets 403 before the handler
    // runs. Every route of the page and the API is added through here.
    void AddApiRoute(httplib::Server& svr, const std::string& method, const std::string& path,
                     ApiHandler handler);

  private:
    // Reads the body's fields, with q, and checks the key: key_checked, the api_key came in the
    // request's path and was found right. False when it has answered (400, 403, 413).
    bool ReadFields(const httplib::Request& req, httplib::Response& res, const httplib::ContentReader& reader,
                    bool key_checked, RequestFields* fields);
    void HandleTranslate(const httplib::Request& req, httplib::Response& res,
                         const httplib::ContentReader& reader, bool key_checked);
    void HandleDetect(const httplib::Request& req, httplib::Response& res,
                      const httplib::ContentReader& reader, bool key_checked);

    const Config& cfg_;
    Engine& engine_;
    ApertiumEngine* apertium_;
    socket_t listen_socket_ = INVALID_SOCKET;
};

// "English » Spanish" for en-es; codes the engine does not name are shown as they are.
// The page's credit line for an engine ("Powered by DeepL"; empty for none) and the engine's site.
// With via, a translation through that language: "Powered by Apertium, through Spanish".
std::string Credit(const std::string& engine, const std::string& via = {});
std::string EngineLink(const std::string& engine);
std::string DescribeDirection(const std::string& source, const std::string& target);

}  // namespace plv
