#pragma once
// UTF-16 between the program's strings and the wide Windows calls. wchar_t is 16 bits on Windows,
// so the conversion is a reinterpretation, never a copy of each unit.

#include <string>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the Windows backend needs a 16-bit wchar_t");

namespace plv::win {

inline const wchar_t* W(const std::u16string& s) {
    return reinterpret_cast<const wchar_t*>(s.c_str());
}

inline std::u16string U16(const wchar_t* s, std::size_t n) {
    return std::u16string(reinterpret_cast<const char16_t*>(s), n);
}

inline std::u16string U16(const wchar_t* s) {
    return s == nullptr ? std::u16string() : std::u16string(reinterpret_cast<const char16_t*>(s));
}

}  // namespace plv::win
