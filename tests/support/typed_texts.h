#pragma once

#include <ostream>

// Texts a user types or pastes into Val. and what the upper Calc makes of them: the same on
// every window system. Non-ASCII look-alikes of digits, points and minus signs are no numbers.
struct TypedText {
    const char* name;
    const char* text;  // UTF-8
    bool isNumber;
    const char* cent;  // the Cent box afterwards, for a number
};

inline void PrintTo(const TypedText& row, std::ostream* out) {
    *out << row.name;
}

inline constexpr TypedText kTypedTexts[] = {
    {"Plain", "445", true, "19.5622"},
    {"Decimal", "445.5", true, "21.5063"},
    {"Empty", "", false, nullptr},
    {"WithUnit", "445Hz", false, nullptr},
    {"DecimalComma", "4,45", false, nullptr},
    {"FullWidthDigits", "\xEF\xBC\x94\xEF\xBC\x94\xEF\xBC\x95", false, nullptr},
    {"FullWidthPoint", "\xEF\xBC\x94\xEF\xBC\x94\xEF\xBC\x95\xEF\xBC\x8E\xEF\xBC\x95", false,
     nullptr},
    {"MinusSign",
     "\xE2\x88\x92"
     "5",
     false, nullptr},
};
