#pragma once

// The exact conversions under the float text of dialog boxes (float_conversion.cpp), which
// define FormatFloatText and this.
#include <optional>
#include <string_view>

// The float nearest to a text that is already known to be a decimal number (sign, digits with
// an optional '.', optional exponent); nothing when it lies beyond the float range.
std::optional<float> ReadDecimalNumber(std::string_view number);
