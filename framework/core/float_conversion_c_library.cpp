// Float text through the C library, for the browser build: Emscripten's C++ library has no
// floating-point to_chars and from_chars. In the "C" locale, which nothing in a web page
// changes, "%.6g" writes the same text as to_chars with six digits, and strtof reads the same
// number, correctly rounded.
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "framework/core/float_conversion.h"
#include "framework/core/float_text.h"

std::string FormatFloatText(float value) {
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%.6g", static_cast<double>(value));
    return std::string(buffer, static_cast<std::size_t>(length));
}

std::optional<float> ReadDecimalNumber(std::string_view number) {
    // Beyond the float range strtof gives infinity, which is refused; below it, zero or the
    // nearest denormal with the number's sign, as from_chars does.
    const std::string text(number);
    const float value = std::strtof(text.c_str(), nullptr);
    return std::isfinite(value) ? std::optional<float>(value) : std::nullopt;
}
