#include "framework/resources/dialog_template.h"

#include <cctype>
#include <utility>

#include "framework/resources/byte_reader.h"

namespace {

constexpr std::uint16_t kExtendedSignature = 0xFFFF;

// Resource compilers may write a predefined class by its name ("BUTTON") instead of its number;
// the window system takes either, and so do readers of the template.
NameOrOrdinal ReadControlClass(ByteReader& reader) {
    static constexpr std::pair<const char*, ControlClass> kPredefined[] = {
        {"BUTTON", ControlClass::Button},       {"EDIT", ControlClass::Edit},
        {"STATIC", ControlClass::Static},       {"LISTBOX", ControlClass::ListBox},
        {"SCROLLBAR", ControlClass::ScrollBar}, {"COMBOBOX", ControlClass::ComboBox},
    };
    NameOrOrdinal windowClass = ReadNameOrOrdinal(reader);
    std::string upper = windowClass.text;
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    for (const auto& [name, kind] : kPredefined) {
        if (!windowClass.ordinal && upper == name) {
            return {static_cast<std::uint16_t>(kind), {}};
        }
    }
    return windowClass;
}

DialogControl ReadControl(ByteReader& reader, bool extended) {
    DialogControl control;
    reader.Align(4);
    if (extended) {
        control.helpId = reader.U32();
        control.exStyle = reader.U32();
        control.style = reader.U32();
    } else {
        control.style = reader.U32();
        control.exStyle = reader.U32();
    }
    control.x = reader.I16();
    control.y = reader.I16();
    control.cx = reader.I16();
    control.cy = reader.I16();
    control.id = extended ? static_cast<std::int32_t>(reader.U32()) : reader.I16();
    control.windowClass = ReadControlClass(reader);
    control.title = ReadNameOrOrdinal(reader);
    reader.Skip(reader.U16());  // creation data, unused
    return control;
}

}  // namespace

bool DialogControl::IsToggle() const {
    using namespace template_style;
    const std::uint32_t type = style & ButtonType;
    return IsClass(ControlClass::Button) &&
           (type == CheckBox || type == AutoCheckBox || type == Auto3State || type == RadioButton ||
            type == AutoRadioButton);
}

bool DialogControl::IsAutoToggle() const {
    using namespace template_style;
    const std::uint32_t type = style & ButtonType;
    return IsToggle() && (type == AutoCheckBox || type == Auto3State || type == AutoRadioButton);
}

bool DialogControl::IsDefaultButton() const {
    using namespace template_style;
    return IsClass(ControlClass::Button) && (style & ButtonType) == DefPushButton;
}

std::optional<DialogTemplate> ParseDialogTemplate(std::span<const std::byte> bytes) {
    ByteReader reader(bytes);
    DialogTemplate dialog;
    const std::uint16_t version = reader.U16();
    const std::uint16_t signature = reader.U16();
    dialog.extended = version == 1 && signature == kExtendedSignature;
    if (dialog.extended) {
        dialog.helpId = reader.U32();
        dialog.exStyle = reader.U32();
        dialog.style = reader.U32();
    } else {
        reader.Seek(0);
        dialog.style = reader.U32();
        dialog.exStyle = reader.U32();
    }
    const std::uint16_t controlCount = reader.U16();
    dialog.x = reader.I16();
    dialog.y = reader.I16();
    dialog.cx = reader.I16();
    dialog.cy = reader.I16();
    dialog.menu = ReadNameOrOrdinal(reader);
    dialog.windowClass = ReadNameOrOrdinal(reader);
    dialog.caption = reader.Utf16String();
    if (dialog.style & DialogStyleSetFont) {
        dialog.pointSize = reader.U16();
        if (dialog.extended) {
            dialog.weight = reader.U16();
            dialog.italic = reader.U8() != 0;
            dialog.charset = reader.U8();
        }
        dialog.typeface = reader.Utf16String();
    }
    for (std::uint16_t i = 0; i < controlCount && reader.ok(); ++i) {
        dialog.controls.push_back(ReadControl(reader, dialog.extended));
    }
    if (!reader.ok()) {
        return std::nullopt;
    }
    return dialog;
}
