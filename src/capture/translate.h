#pragma once
// The translation trigger: what happens once a drag has ended in an enabled application.

#include <cstdint>
#include <string>

namespace plv {

class App;

// How a text longer than the limit is cut: the part sent and the rest.
struct CutResult {
    std::u16string sent;
    std::u16string remainder;
    bool whole = true;
};

// Cuts at the last blank or punctuation mark within the first maxLength characters (the mark
// stays with the part sent); without one past the first character, cuts hard at maxLength,
// never inside a surrogate pair. A text of at most maxLength characters is whole.
CutResult CutText(const std::u16string& text, std::int32_t maxLength);

// The text of the service page's error line, without the white space around it; empty when the
// page shows no error (or has no such line).
std::u16string ReadPageError(App& app);

// Captures the selection, cuts and looks it up, sends it or lays out what is known, and offers
// the floating icon beside the pointer. x, y: the pointer at the release; leftX: the selection's
// left edge (all screen pixels).
void TranslateSelection(App& app, std::int32_t x, std::int32_t y, std::int32_t leftX);

}  // namespace plv
