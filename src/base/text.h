#pragma once
// Text helpers. User text is UTF-16 throughout the program (lengths and cuts count UTF-16 code
// units, as the rich text box does); UTF-8 is used only at the edges (scripts, traces, files of ours).
// "ANSI" here always means Windows-1252, the code page the program assumes for the system.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plv {

// UTF-8 <-> UTF-16. Invalid input is replaced by U+FFFD rather than rejected: these conversions
// serve display and logging, never round trips of user data.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// Windows-1252 <-> UTF-16. Characters that 1252 cannot hold become '?', as WideCharToMultiByte
// renders them; the five bytes that 1252 leaves undefined map to the same-numbered C1 controls.
std::u16string AnsiToUtf16(std::string_view ansi);
std::string Utf16ToAnsi(std::u16string_view utf16);

// Simple case folding for keys: ASCII, Latin-1 and basic Cyrillic letters. Enough for setting
// keys, executable names and element ids, which is all it is used for.
char16_t FoldCase(char16_t c);
std::u16string ToLower(std::u16string_view s);
bool EqualsIgnoreCase(std::u16string_view a, std::u16string_view b);

// Removes leading and trailing blanks (U+0020 only; tabs and line breaks stay).
std::u16string TrimBlanks(std::u16string_view s);

// Splits at every occurrence of sep; an empty input gives one empty field.
std::vector<std::u16string> Split(std::u16string_view s, char16_t sep);

// UTF-16 LE bytes: two per unit, an odd last byte belonging to none; and back, with a terminating
// zero unit when asked.
std::u16string FromUtf16Le(const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ToUtf16Le(std::u16string_view text, bool withTerminator);

// The text before the first NUL, all of it when there is none.
std::u16string UntilNul(std::u16string_view s);
std::string UntilNul(std::string_view s);

// Full-width forms to their half-width counterparts (LCMapString with LCMAP_HALFWIDTH): the
// full-width ASCII variants, the ideographic space and the full-width signs.
std::u16string ToHalfWidth(std::u16string_view s);

// Shorthand for ASCII literals in code: u"..." is preferred, this is for runtime std::string.
inline std::u16string Widen(std::string_view ascii) {
    return Utf8ToUtf16(ascii);
}

}  // namespace plv
