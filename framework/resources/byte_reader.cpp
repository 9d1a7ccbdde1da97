#include "framework/resources/byte_reader.h"

#include "framework/resources/name_or_ordinal.h"

bool ByteReader::Fits(std::size_t count) {
    if (ok_ && count > bytes_.size() - position_) {
        ok_ = false;
    }
    return ok_;
}

std::uint8_t ByteReader::U8() {
    if (!Fits(1)) {
        return 0;
    }
    return std::to_integer<std::uint8_t>(bytes_[position_++]);
}

std::uint16_t ByteReader::U16() {
    const std::uint16_t low = U8();
    const std::uint16_t high = U8();
    return static_cast<std::uint16_t>(low | (high << 8));
}

std::uint32_t ByteReader::U32() {
    const std::uint32_t low = U16();
    const std::uint32_t high = U16();
    return low | (high << 16);
}

std::span<const std::byte> ByteReader::Bytes(std::size_t count) {
    if (!Fits(count)) {
        return {};
    }
    const auto part = bytes_.subspan(position_, count);
    position_ += count;
    return part;
}

namespace {

// Decodes UTF-16 code units one at a time, pairing surrogates.
class Utf16Decoder {
public:
    void Add(std::uint16_t unit, std::string& out) {
        if (unit >= 0xD800 && unit < 0xDC00) {
            Flush(out);
            high_ = unit;
            return;
        }
        if (unit >= 0xDC00 && unit < 0xE000 && high_ != 0) {
            AppendUtf8(out, 0x10000 + ((char32_t{high_} - 0xD800) << 10) + (unit - 0xDC00));
            high_ = 0;
            return;
        }
        Flush(out);
        AppendUtf8(out, unit >= 0xD800 && unit < 0xE000 ? char32_t{0xFFFD} : char32_t{unit});
    }

    void Flush(std::string& out) {
        if (high_ != 0) {
            AppendUtf8(out, 0xFFFD);
            high_ = 0;
        }
    }

private:
    std::uint16_t high_ = 0;
};

}  // namespace

std::string ByteReader::Utf16String() {
    std::string text;
    Utf16Decoder decoder;
    for (std::uint16_t unit = U16(); ok_ && unit != 0; unit = U16()) {
        decoder.Add(unit, text);
    }
    decoder.Flush(text);
    return text;
}

std::string ByteReader::Utf16Chars(std::size_t count) {
    std::string text;
    Utf16Decoder decoder;
    for (std::size_t i = 0; i < count && ok_; ++i) {
        const std::uint16_t unit = U16();
        if (ok_) {
            decoder.Add(unit, text);
        }
    }
    decoder.Flush(text);
    return text;
}

void ByteReader::Align(std::size_t alignment) {
    const std::size_t misalignment = position_ % alignment;
    if (misalignment != 0) {
        Skip(alignment - misalignment);
    }
}

void ByteReader::Seek(std::size_t position) {
    if (ok_ && position <= bytes_.size()) {
        position_ = position;
    } else {
        ok_ = false;
    }
}

void AppendUtf8(std::string& text, char32_t codePoint) {
    auto put = [&text](unsigned value) { text.push_back(static_cast<char>(value)); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | (codePoint >> 6));
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        put(0xE0 | (codePoint >> 12));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | (codePoint >> 18));
        put(0x80 | ((codePoint >> 12) & 0x3F));
        put(0x80 | ((codePoint >> 6) & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

NameOrOrdinal ReadNameOrOrdinal(ByteReader& reader) {
    constexpr std::uint16_t kOrdinalFollows = 0xFFFF;
    const std::uint16_t first = reader.U16();
    if (first == kOrdinalFollows) {
        return {reader.U16(), {}};
    }
    if (first == 0) {
        return {};
    }
    std::string text;
    AppendUtf8(text, first);
    return {std::nullopt, text + reader.Utf16String()};
}
