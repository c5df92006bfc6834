// The service page's files, compiled into the binary so the server needs nothing beside it.
#pragma once

#include <string_view>

namespace plv {

extern const std::string_view kIndexHtml;  // template with {{NAME}} slots, see page/index.html
extern const std::string_view kPageJs;
// The Engines panel of a service for one user: the markup that fills the page's {{PANEL}} slot,
// and its script and style.
extern const std::string_view kEnginesHtml;
extern const std::string_view kEnginesJs;
extern const std::string_view kEnginesCss;

}  // namespace plv
