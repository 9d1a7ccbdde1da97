#include "framework/core/cstring.h"

#include "framework/core/resource_module.h"
#include "framework/resources/string_table.h"

BOOL CString::LoadString(UINT id) {
    const auto text = FindString(AfxGetResourceImage(), static_cast<std::uint16_t>(id));
    text_ = text.value_or("");
    return text.has_value();
}
