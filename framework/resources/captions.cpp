#include "framework/resources/captions.h"

#include <algorithm>

namespace {

// Only a box's first line counts: a caption beside a taller box lines up with its top.
constexpr int kLineHeight = 14;
// A caption may run this far into the box, as hand-made layouts do.
constexpr int kOverlap = 2;

bool IsCaption(const DialogControl& control) {
    return control.IsClass(ControlClass::Static) && !control.title.text.empty();
}

bool StandsBefore(const DialogControl& caption, const DialogControl& box) {
    const bool onTheLine =
        caption.y < box.y + std::min(box.cy, kLineHeight) && caption.y + caption.cy > box.y;
    return onTheLine && caption.x + caption.cx <= box.x + kOverlap;
}

}  // namespace

std::string ShownText(const std::string& text, std::uint32_t style) {
    if (style & template_style::StaticNoPrefix) {
        return text;
    }
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
        }
        shown += text[i];
    }
    return shown;
}

const DialogControl* CaptionControlOf(const DialogTemplate& dialogTemplate,
                                      const DialogControl& box) {
    const DialogControl* caption = nullptr;
    for (const DialogControl& label : dialogTemplate.controls) {
        if (IsCaption(label) && StandsBefore(label, box) &&
            (caption == nullptr || label.x > caption->x)) {
            caption = &label;
        }
    }
    return caption;
}

std::string CaptionOf(const DialogTemplate& dialogTemplate, const DialogControl& box) {
    const DialogControl* caption = CaptionControlOf(dialogTemplate, box);
    if (caption == nullptr) {
        return {};
    }
    std::string name = ShownText(caption->title.text, caption->style);
    if (!name.empty() && name.back() == ':') {
        name.pop_back();
    }
    return name;
}
