#include "core/settings.h"

#include "base/text.h"

namespace plv {

void SettingsCollection::Clear() {
    values_.clear();
}

void SettingsCollection::Add(const std::u16string& key, const std::u16string& value) {
    values_.insert_or_assign(ToLower(key), value);
}

std::optional<std::u16string> SettingsCollection::Get(std::u16string_view key) const {
    auto it = values_.find(ToLower(key));
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::u16string DecodeUtf16Le(const std::vector<std::uint8_t>& bytes) {
    std::u16string text = FromUtf16Le(bytes);
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        text.erase(0, 1);
    }
    return text;
}

void ParseSettingsText(std::u16string_view text, SettingsCollection& settings) {
    // A line ends at CR LF, or at a lone LF or CR: some editors save so, and a line run into the
    // next would hide that key and change this one's value without a word.
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(u"\r\n", start);
        std::size_t next = end == std::u16string_view::npos ? text.size() + 1 : end + 1;
        if (end == std::u16string_view::npos) {
            end = text.size();
        } else if (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') {
            next = end + 2;
        }
        std::u16string_view line = text.substr(start, end - start);
        if (!line.empty() && line[0] != u'#') {
            std::size_t eq = line.find(u'=');
            if (eq != std::u16string_view::npos && eq >= 1) {
                settings.Add(std::u16string(line.substr(0, eq)), std::u16string(line.substr(eq + 1)));
            }
        }
        start = next;
    }
}

std::int32_t ArrayUpperBound(const std::vector<std::u16string>& list) {
    return static_cast<std::int32_t>(list.size()) - 1;
}

}  // namespace plv
