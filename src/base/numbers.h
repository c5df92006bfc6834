#pragma once
// Number helpers: the one rounding rule of the program and strict parsing of numbers from text.

#include <cstdint>
#include <optional>
#include <string_view>

namespace plv {

// Every conversion of a fractional value to a whole number rounds to the nearest integer,
// halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
std::int64_t RoundHalfEven(double v);
std::int32_t RoundHalfEven32(double v);

// A decimal number with optional sign, digits, optional '.' fraction and optional exponent,
// with blanks allowed around it. Anything else (empty, letters, two numbers) is not a number.
std::optional<double> ParseNumber(std::u16string_view text);

// ParseNumber rounded half to even; not a number, or outside the 32-bit range, gives nothing.
std::optional<std::int32_t> ParseWholeNumber(std::u16string_view text);

}  // namespace plv
