// The controls of a dialog in the page: their elements, their values and the focus.
#include "framework/core/icon.h"
#include "framework/resources/captions.h"
#include "framework/web/web_dialog_window.h"
#include "framework/web/web_page.h"

using emscripten::val;
using web_page::Document;
using web_page::Element;

namespace {

using namespace template_style;

val BuildButtonElement(const DialogControl& control) {
    val element = Element("button", "button");
    element.set("textContent", control.title.text);
    if (control.IsToggle()) {
        element.call<void>("setAttribute", val("aria-pressed"), val("false"));
        element.call<void>("setAttribute", val("class"), val("button toggle"));
    } else if (control.IsDefaultButton()) {
        element.call<void>("setAttribute", val("class"), val("button default"));
    }
    return element;
}

val BuildEditElement(const DialogControl& control) {
    val element = Element("input", "edit");
    element.set("type", std::string("text"));
    // Numbers and note names: no spelling help, which would change what is typed. The text
    // keyboard stays, since the phones' number pads lack the minus sign of negative cents.
    element.set("spellcheck", false);
    for (const char* attribute : {"autocomplete", "autocorrect", "autocapitalize"}) {
        element.call<void>("setAttribute", val(attribute), val("off"));
    }
    element.set("readOnly", (control.style & EditReadOnly) != 0);
    return element;
}

val BuildStaticElement(const DialogControl& control) {
    const std::uint32_t type = control.style & StaticType;
    if (type == StaticEtchedHorizontal || type == StaticEtchedVertical) {
        return Element("div", "etched");
    }
    if (type == StaticIcon) {
        return web_page::IconCanvas(control.title.ordinal ? AfxLoadIcon(*control.title.ordinal)
                                                          : nullptr);
    }
    val element = Element("span", "label");
    element.set("textContent", ShownText(control.title.text, control.style));
    return element;
}

}  // namespace

val WebDialogWindow::BuildControl(const DialogControl& control) {
    val element = val::null();
    int height = control.cy;
    if (control.IsClass(ControlClass::Button)) {
        element = BuildButtonElement(control);
        web_page::Script().call<void>("onClick", element, windowId_, val("click"), control.id);
    } else if (control.IsClass(ControlClass::Edit)) {
        element = BuildEditElement(control);
    } else if (control.IsClass(ControlClass::ComboBox)) {
        element = Element("select", "list");
        if (layout_ == Layout::Desktop) {
            height = kClosedListHeight;
        }
    } else {
        element = BuildStaticElement(control);
    }
    web_page::Place(element, control, height);
    if (!control.IsClass(ControlClass::Static)) {
        element.set("tabIndex", control.IsTabStop() ? 0 : -1);
        element.set("id",
                    "vardolin-" + std::to_string(windowId_) + "-" + std::to_string(control.id));
    }
    element.set("disabled", (control.style & Disabled) != 0);
    if (!(control.style & Visible)) {
        element["style"].set("visibility", std::string("hidden"));
    }
    return element;
}

const WebDialogWindow::Control* WebDialogWindow::Find(int id) const {
    const auto found = controls_.find(id);
    return found != controls_.end() ? &found->second : nullptr;
}

int WebDialogWindow::GetFocusedItem() const {
    const val active = Document()["activeElement"];
    for (const auto& [id, control] : controls_) {
        if (control.element.strictlyEquals(active)) {
            return id;
        }
    }
    return 0;
}

void WebDialogWindow::FocusItem(int id, bool selectText) {
    const Control* control = Find(id);
    if (control == nullptr) {
        return;
    }
    control->element.call<void>("focus");
    if (selectText && control->source.IsClass(ControlClass::Edit)) {
        control->element.call<void>("select");
    }
}

bool WebDialogWindow::IsWholeTextSelected(int id) const {
    const Control* control = Find(id);
    if (control == nullptr || !control->source.IsClass(ControlClass::Edit)) {
        return false;
    }
    const val& element = control->element;
    return element["selectionStart"].as<int>() == 0 &&
           element["selectionEnd"].as<int>() == element["value"]["length"].as<int>();
}

bool WebDialogWindow::IsItemEnabled(int id) const {
    const Control* control = Find(id);
    return control != nullptr && !control->element["disabled"].as<bool>();
}

bool WebDialogWindow::IsItemVisible(int id) const {
    const Control* control = Find(id);
    return control != nullptr &&
           control->element["style"]["visibility"].as<std::string>() != "hidden";
}

std::string WebDialogWindow::GetItemText(int id) const {
    const Control* control = Find(id);
    if (control == nullptr) {
        return {};
    }
    if (control->source.IsClass(ControlClass::ComboBox)) {
        const int index = control->element["selectedIndex"].as<int>();
        return index >= 0 ? control->element["options"][index]["text"].as<std::string>()
                          : std::string();
    }
    if (control->source.IsClass(ControlClass::Edit)) {
        return control->element["value"].as<std::string>();
    }
    return control->element["textContent"].as<std::string>();
}

void WebDialogWindow::SetItemText(int id, const std::string& text) {
    const Control* control = Find(id);
    if (control == nullptr) {
        return;
    }
    if (control->source.IsClass(ControlClass::Edit)) {
        control->element.set("value", text);
        control->element.call<void>("setSelectionRange", 0, 0);
    } else if (!control->source.IsClass(ControlClass::ComboBox)) {
        control->element.set("textContent", text);
    }
}

int WebDialogWindow::GetCheck(int id) const {
    // Only toggles carry aria-pressed; any other control reads as not checked.
    const Control* control = Find(id);
    const bool pressed =
        control != nullptr && control->source.IsToggle() &&
        control->element.call<val>("getAttribute", val("aria-pressed")).as<std::string>() == "true";
    return pressed ? BST_CHECKED : BST_UNCHECKED;
}

void WebDialogWindow::SetCheck(int id, int state) {
    if (const Control* control = Find(id); control != nullptr && control->source.IsToggle()) {
        control->element.call<void>("setAttribute", val("aria-pressed"),
                                    val(state == BST_CHECKED ? "true" : "false"));
    }
}

int WebDialogWindow::ListCount(int id) const {
    return Find(id)->element["options"]["length"].as<int>();
}

int WebDialogWindow::ListSelection(int id) const {
    return Find(id)->element["selectedIndex"].as<int>();
}

void WebDialogWindow::SelectListEntry(int id, int index) {
    Find(id)->element.set("selectedIndex", index);
}

void WebDialogWindow::AppendListEntry(int id, const std::string& text) {
    // The browser would select the first entry of an empty list.
    val list = Find(id)->element;
    const int selected = list["selectedIndex"].as<int>();
    val option = Document().call<val>("createElement", val("option"));
    option.set("textContent", text);
    list.call<void>("appendChild", option);
    list.set("selectedIndex", selected);
}

void WebDialogWindow::ClearList(int id) {
    val list = Find(id)->element;
    list.set("innerHTML", std::string());
    list.set("selectedIndex", -1);
}
