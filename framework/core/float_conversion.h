#pragma once

// The conversions under the float text of dialog boxes come from the C++ library where it has
// them (float_conversion_charconv.cpp) and from the C library in the browser build
// (float_conversion_c_library.cpp); both define FormatFloatText and this. Both are free of the
// locale.
#include <optional>
#include <string_view>

// The float nearest to a text that is already known to be a decimal number (sign, digits with
// an optional '.', optional exponent); nothing when it lies beyond the float range.
std::optional<float> ReadDecimalNumber(std::string_view number);
