#pragma once

#include <cstdint>
#include <string>

// A float in general notation with `digits` significant digits, as the tables of known values
// give them ("261.6256").
std::string Digits(float value, int digits);

// The bits of a double, for checks that must hold to the last bit.
std::uint64_t BitsOf(double value);
std::uint32_t BitsOf(float value);

// The float with these bits.
float FloatFromBits(std::uint32_t bits);
