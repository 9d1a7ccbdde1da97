// Any text typed into a float box: a number is finite and survives being written and read back;
// anything else is refused without harm.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "framework/core/float_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = ParseFloatText(text);
    if (!value) {
        return 0;
    }
    if (!std::isfinite(*value)) {
        std::abort();
    }
    const auto shown = FormatFloatText(*value);
    const auto again = ParseFloatText(shown);
    if (!again || FormatFloatText(*again) != shown) {
        std::abort();
    }
    return 0;
}
