#pragma once

#include <cstdint>
#include <optional>
#include <string>

class ByteReader;

// A resource's type or name, a dialog's class or a control's text: a resource number (a
// predefined class, a static icon's image), or a string.
struct NameOrOrdinal {
    std::optional<std::uint16_t> ordinal;
    std::string text;

    friend bool operator==(const NameOrOrdinal&, const NameOrOrdinal&) = default;
};

// Reads one as resource files store it: 0xFFFF and the number, or a zero-terminated UTF-16
// string (empty when it starts with the zero).
NameOrOrdinal ReadNameOrOrdinal(ByteReader& reader);
