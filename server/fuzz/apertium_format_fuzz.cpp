// libFuzzer target: the Apertium stream encoding (apertium_format.*). Properties: the encoding of
// any text holds no NUL (a NUL would end the request in null-flush mode) and decodes back to the
// text, NULs as spaces; decoding anything at all (what a pipeline may send back) is safe.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "apertium_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string encoded = plv::EncodeForApertium(text);
    if (encoded.find('\0') != std::string::npos) {
        __builtin_printf("apertium_format_fuzz: NUL in the encoding\n");
        std::abort();
    }
    std::string expected(text);
    for (char& c : expected) {
        if (c == '\0') c = ' ';
    }
    if (plv::DecodeFromApertium(encoded) != expected) {
        __builtin_printf("apertium_format_fuzz: decode(encode(x)) != x\n");
        std::abort();
    }
    (void)plv::DecodeFromApertium(text);
    return 0;
}
