#pragma once

#include <optional>
#include <string>
#include <string_view>

// A float as a dialog box shows it: general notation with six significant digits, '.' as the
// decimal point whatever the locale ("440", "261.626", "-100000", "1e+06").
std::string FormatFloatText(float value);

// The number in a dialog box's text, or nothing when the text is not one: an optional sign,
// digits with an optional '.', an optional exponent, blanks around it allowed. Words, "inf",
// "nan", hex numbers, units and numbers beyond the float range are refused; numbers too small
// for a float round to the nearest float.
std::optional<float> ParseFloatText(std::string_view text);
