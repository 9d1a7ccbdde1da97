#include "framework/resources/dialog_init.h"

#include <algorithm>

#include "framework/resources/byte_reader.h"

std::optional<std::vector<DialogInitRecord>> ParseDialogInit(std::span<const std::byte> bytes) {
    ByteReader reader(bytes);
    std::vector<DialogInitRecord> records;
    while (reader.remaining() > 0) {
        DialogInitRecord record;
        record.controlId = reader.U16();
        if (!reader.ok()) {
            return std::nullopt;
        }
        if (record.controlId == 0) {
            break;
        }
        record.message = reader.U16();
        const std::uint32_t length = reader.U32();
        const auto text = reader.Bytes(length);
        if (!reader.ok()) {
            return std::nullopt;
        }
        // The length counts the terminating zero; the text ends at the first zero in any case.
        const auto end = std::find(text.begin(), text.end(), std::byte{0});
        record.text.assign(reinterpret_cast<const char*>(text.data()),
                           static_cast<std::size_t>(end - text.begin()));
        records.push_back(std::move(record));
    }
    return records;
}
