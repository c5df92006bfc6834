#include "base/translation_cache.h"

namespace plv {

std::optional<std::u16string> TranslationCache::Find(const std::u16string& key,
                                                     const std::u16string& source) const {
    auto it = entries_.find(key);
    if (it == entries_.end() || it->second.source != source) {
        return std::nullopt;
    }
    return it->second.translation;
}

void TranslationCache::Add(const std::u16string& key, const std::u16string& source,
                           const std::u16string& translation) {
    if (capacity_ == 0) {
        return;
    }
    auto it = entries_.find(key);
    if (it != entries_.end()) {
        if (it->second.source != source) {
            it->second = {source, translation};
        }
        return;
    }
    if (entries_.size() >= capacity_) {
        entries_.erase(order_.front());
        order_.pop_front();
    }
    entries_.emplace(key, Entry{source, translation});
    order_.push_back(key);
}

}  // namespace plv
