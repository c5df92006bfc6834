// The service page's files, compiled into the binary so the server needs nothing beside it.
#pragma once

#include <string_view>

namespace plv {

extern const std::string_view kIndexHtml;  // template with {{NAME}} slots, see page/index.html
extern const std::string_view kPageJs;

}  // namespace plv
