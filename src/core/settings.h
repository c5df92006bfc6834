#pragma once
// The settings file: UTF-16 LE key=value lines beside the executable, read once at start-up.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace plv {

// Setting values by key; keys compare without regard to letter case, values stay as written.
// When a key stands on more than one line, the last line counts, as in most configuration files:
// a user who appends a line to change a value gets what they expect.
class SettingsCollection {
  public:
    void Clear();
    void Add(const std::u16string& key, const std::u16string& value);
    // The look-up fails (nothing) when the key is absent.
    std::optional<std::u16string> Get(std::u16string_view key) const;
    std::size_t Count() const { return values_.size(); }

  private:
    std::unordered_map<std::u16string, std::u16string> values_;  // by folded key
};

// The bytes of a settings file as text: 16-bit little-endian units, an odd last byte dropped, and
// a leading FF FE byte-order mark removed.
std::u16string DecodeUtf16Le(const std::vector<std::uint8_t>& bytes);

// Splits the text at CR LF and adds every key=value line: a line starting with '#' is a comment,
// the key is everything before the first '=' (which must not be the first character), the value
// everything after it. Nothing is trimmed.
void ParseSettingsText(std::u16string_view text, SettingsCollection& settings);

// The highest index of a list, -1 when it is empty.
std::int32_t ArrayUpperBound(const std::vector<std::u16string>& list);

}  // namespace plv
