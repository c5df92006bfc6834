#pragma once
// The user's clipboard as the text capture keeps it while it copies a selection over it.

#include <cstdint>
#include <utility>
#include <vector>

namespace plv {

// Everything that was on the clipboard: each format's block as it was, in order.
struct SavedClipboard {
    std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>> formats;
};

// The user's clipboard that is still owed, and the clipboard's sequence number when the capture
// gave up giving it back.
struct OwedClipboardContent {
    SavedClipboard saved;
    std::uint32_t sequence = 0;
};

}  // namespace plv
