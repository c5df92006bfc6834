#include "base/numbers.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace plv {

std::int64_t RoundHalfEven(double v) {
    // Converting a double outside the integer's range is undefined, so such values saturate
    // (and NaN gives 0). 2^63 is exactly representable; every double below it converts.
    constexpr double limit = 9223372036854775808.0;
    if (std::isnan(v)) {
        return 0;
    }
    if (v >= limit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (v < -limit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    // Not std::nearbyint: that follows the floating-point rounding mode, which is global state.
    double r = std::round(v);
    if (std::fabs(v - std::trunc(v)) == 0.5) {
        r = 2.0 * std::round(v / 2.0);
    }
    if (r >= limit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    return static_cast<std::int64_t>(r);
}

std::int32_t RoundHalfEven32(double v) {
    std::int64_t r = RoundHalfEven(v);
    if (r > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (r < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(r);
}

std::optional<double> ParseNumber(std::u16string_view text) {
    size_t b = 0;
    size_t e = text.size();
    while (b < e && (text[b] == u' ' || text[b] == u'\t')) {
        ++b;
    }
    while (e > b && (text[e - 1] == u' ' || text[e - 1] == u'\t')) {
        --e;
    }
    if (b == e) {
        return std::nullopt;
    }
    std::string ascii;
    size_t i = b;
    auto digits = [&]() {
        size_t n = 0;
        while (i < e && text[i] >= u'0' && text[i] <= u'9') {
            ascii += static_cast<char>(text[i++]);
            ++n;
        }
        return n;
    };
    if (text[i] == u'+' || text[i] == u'-') {
        ascii += static_cast<char>(text[i++]);
    }
    size_t intDigits = digits();
    size_t fracDigits = 0;
    if (i < e && text[i] == u'.') {
        ascii += '.';
        ++i;
        fracDigits = digits();
    }
    if (intDigits + fracDigits == 0) {
        return std::nullopt;
    }
    if (i < e && (text[i] == u'e' || text[i] == u'E')) {
        ascii += 'e';
        ++i;
        if (i < e && (text[i] == u'+' || text[i] == u'-')) {
            ascii += static_cast<char>(text[i++]);
        }
        if (digits() == 0) {
            return std::nullopt;
        }
    }
    if (i != e) {
        return std::nullopt;
    }
    double v = std::strtod(ascii.c_str(), nullptr);
    if (!std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

std::optional<std::int32_t> ParseWholeNumber(std::u16string_view text) {
    auto v = ParseNumber(text);
    if (!v) {
        return std::nullopt;
    }
    if (*v > static_cast<double>(std::numeric_limits<std::int32_t>::max()) + 0.5 ||
        *v < static_cast<double>(std::numeric_limits<std::int32_t>::min()) - 0.5) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(RoundHalfEven(*v));
}

}  // namespace plv
