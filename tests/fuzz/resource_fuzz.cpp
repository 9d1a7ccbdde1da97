// Arbitrary bytes as a resource image, a dialog template, list data and an icon image: the
// readers refuse or read them without ever reading outside the bytes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "framework/resources/dialog_init.h"
#include "framework/resources/dialog_template.h"
#include "framework/resources/icon_group.h"
#include "framework/resources/resource_image.h"
#include "framework/resources/string_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = std::as_bytes(std::span(data, size));
    ParseDialogTemplate(bytes);
    ParseDialogInit(bytes);
    DecodeIconImage(bytes);
    if (const auto image = ResourceImage::Parse(bytes)) {
        for (const ResourceEntry& entry : image->entries()) {
            ParseDialogTemplate(entry.data);
        }
        FindString(*image, 101);
        FindIconImage(*image, 128, 32);
    }
    return 0;
}
