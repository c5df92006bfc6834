#pragma once
// What this run has translated: a translation by its source text's checksum key, with a bound.
//
// The key is only a checksum, so two texts can share one; every entry keeps its source text, and
// a lookup gives a translation only for that very text. The cache holds at most a fixed number of
// entries; when it is full, the oldest entry goes first.

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <unordered_map>

namespace plv {

class TranslationCache {
  public:
    static constexpr std::size_t kDefaultCapacity = 10000;

    explicit TranslationCache(std::size_t capacity = kDefaultCapacity) : capacity_(capacity) {}

    // The translation of exactly this text, if it was stored under this key.
    std::optional<std::u16string> Find(const std::u16string& key, const std::u16string& source) const;
    // Stores the first translation of a text; a later one for the same text leaves it. A different
    // text under the same key takes the key over.
    void Add(const std::u16string& key, const std::u16string& source, const std::u16string& translation);

    std::size_t size() const { return entries_.size(); }

  private:
    struct Entry {
        std::u16string source;
        std::u16string translation;
    };
    std::size_t capacity_;
    std::unordered_map<std::u16string, Entry> entries_;
    std::deque<std::u16string> order_;  // keys, oldest first
};

}  // namespace plv
