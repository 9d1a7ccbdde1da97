#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

// Reads little-endian values from a byte block without ever reading past its end. After the
// first read that does not fit, every read fails and ok() is false.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::byte> bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }
    std::size_t position() const { return position_; }
    std::size_t remaining() const { return ok_ ? bytes_.size() - position_ : 0; }

    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }

    // `count` bytes from the current position, or an empty span if fewer remain.
    std::span<const std::byte> Bytes(std::size_t count);

    // A zero-terminated UTF-16 string, returned as UTF-8.
    std::string Utf16String();

    // `count` UTF-16 code units, returned as UTF-8.
    std::string Utf16Chars(std::size_t count);

    void Skip(std::size_t count) { Bytes(count); }

    // Moves on to the next multiple of `alignment` counted from the start of the block.
    void Align(std::size_t alignment);

    // Moves to an absolute position within the block.
    void Seek(std::size_t position);

private:
    bool Fits(std::size_t count);

    std::span<const std::byte> bytes_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

// Appends one Unicode code point to a UTF-8 string.
void AppendUtf8(std::string& text, char32_t codePoint);
