#pragma once
// A client of the translation server's API, so that plv-sim's page can forward requests to a
// running server in demos.

#include <optional>
#include <string>

namespace plv {

// POST <url>/translate with q, source, target and format=text; the "translatedText" of the answer.
std::optional<std::u16string> EngineTranslate(const std::string& url, const std::u16string& text,
                                              const std::u16string& source, const std::u16string& target);

// The names of the two languages from <url>/languages, as "English » Spanish".
std::optional<std::u16string> EngineDirectionName(const std::string& url, const std::u16string& source,
                                                  const std::u16string& target);

}  // namespace plv
