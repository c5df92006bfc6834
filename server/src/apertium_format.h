// Plain text <-> Apertium stream, the job apertium-destxt and apertium-retxt do in the stock
// `apertium` script. Those two are flex scanners that read in 8 KiB blocks and never flush on
// a NUL, so they cannot sit in a long-lived null-flush pipeline; we do their work in-process.
#pragma once

#include <string>
#include <string_view>

namespace plv {

// Escapes the stream's reserved characters, wraps formatting whitespace in superblanks, hides
// characters the analyser would mangle or that look like unknown-word marks ('#', '*', '~')
// inside superblanks, and appends the ".[]" sentence terminator the tagger expects before
// paragraph breaks and at the end. NUL bytes become spaces, since NUL ends a request. The
// result never holds a NUL, and DecodeFromApertium gives the text back (NULs as spaces).
std::string EncodeForApertium(std::string_view text);

// Undoes EncodeForApertium on the pipeline's output: removes the added terminators and the
// unknown-word marks ('*', '#', '@', '~' outside superblanks), unescapes, restores superblank
// text, and collapses the doubled plain blanks left where a word was dropped (e.g. a pro-drop
// subject), trimming plain blanks at both ends.
std::string DecodeFromApertium(std::string_view stream);

}  // namespace plv
