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

emscripten::val* WebDialogWindow::ElementOf(int id) const {
    const auto found = elements_.find(id);
    return found != elements_.end() ? &found->second : nullptr;
}

bool WebDialogWindow::IsOfClass(int id, ControlClass kind) const {
    const DialogControl* source = Source(id);
    return source != nullptr && source->IsClass(kind);
}

int WebDialogWindow::GetFocusedItem() const {
    const val active = Document()["activeElement"];
    for (const auto& [id, element] : elements_) {
        if (element.strictlyEquals(active)) {
            return id;
        }
    }
    return 0;
}

void WebDialogWindow::FocusItem(int id, bool selectText) {
    val* element = ElementOf(id);
    if (element == nullptr) {
        return;
    }
    element->call<void>("focus");
    if (selectText && IsOfClass(id, ControlClass::Edit)) {
        element->call<void>("select");
    }
}

bool WebDialogWindow::IsWholeTextSelected(int id) const {
    const val* element = ElementOf(id);
    if (element == nullptr || !IsOfClass(id, ControlClass::Edit)) {
        return false;
    }
    return (*element)["selectionStart"].as<int>() == 0 &&
           (*element)["selectionEnd"].as<int>() == (*element)["value"]["length"].as<int>();
}

std::pair<int, int> WebDialogWindow::TextSelection(int id) const {
    const val& element = *ElementOf(id);
    return {element["selectionStart"].as<int>(), element["selectionEnd"].as<int>()};
}

void WebDialogWindow::SelectText(int id, std::pair<int, int> selection) {
    ElementOf(id)->call<void>("setSelectionRange", selection.first, selection.second);
}

bool WebDialogWindow::IsItemEnabled(int id) const {
    const val* element = ElementOf(id);
    return element != nullptr && !(*element)["disabled"].as<bool>();
}

void WebDialogWindow::EnableItem(int id, bool enabled) {
    if (val* element = ElementOf(id)) {
        element->set("disabled", !enabled);
    }
}

bool WebDialogWindow::IsItemVisible(int id) const {
    const val* element = ElementOf(id);
    return element != nullptr && (*element)["style"]["visibility"].as<std::string>() != "hidden";
}

void WebDialogWindow::ShowItem(int id, bool visible) {
    if (val* element = ElementOf(id)) {
        (*element)["style"].set("visibility", std::string(visible ? "" : "hidden"));
    }
}

std::string WebDialogWindow::GetItemText(int id) const {
    const val* element = ElementOf(id);
    if (element == nullptr) {
        return {};
    }
    if (IsOfClass(id, ControlClass::ComboBox)) {
        const int index = (*element)["selectedIndex"].as<int>();
        return index >= 0 ? ListEntry(id, index) : std::string();
    }
    if (IsOfClass(id, ControlClass::Edit)) {
        return (*element)["value"].as<std::string>();
    }
    return (*element)["textContent"].as<std::string>();
}

void WebDialogWindow::SetItemText(int id, const std::string& text) {
    val* element = ElementOf(id);
    if (element == nullptr) {
        return;
    }
    if (IsOfClass(id, ControlClass::Edit)) {
        element->set("value", text);
        element->call<void>("setSelectionRange", 0, 0);
        web_page::Script().call<void>("textChanged", *element);
    } else if (!IsOfClass(id, ControlClass::ComboBox)) {
        element->set("textContent", text);
    }
}

int WebDialogWindow::GetCheck(int id) const {
    // Only toggles carry aria-pressed; any other control reads as not checked.
    const val* element = ElementOf(id);
    const bool pressed =
        element != nullptr && Source(id)->IsToggle() &&
        element->call<val>("getAttribute", val("aria-pressed")).as<std::string>() == "true";
    return pressed ? BST_CHECKED : BST_UNCHECKED;
}

void WebDialogWindow::SetCheck(int id, int state) {
    if (val* element = ElementOf(id); element != nullptr && Source(id)->IsToggle()) {
        element->call<void>("setAttribute", val("aria-pressed"),
                            val(state == BST_CHECKED ? "true" : "false"));
    }
}

int WebDialogWindow::ListCount(int id) const {
    return (*ElementOf(id))["options"]["length"].as<int>();
}

int WebDialogWindow::ListSelection(int id) const {
    return (*ElementOf(id))["selectedIndex"].as<int>();
}

std::string WebDialogWindow::ListEntry(int id, int index) const {
    return (*ElementOf(id))["options"][index]["text"].as<std::string>();
}

void WebDialogWindow::SelectListEntry(int id, int index) {
    ElementOf(id)->set("selectedIndex", index);
}

void WebDialogWindow::AppendListEntry(int id, const std::string& text) {
    // The browser would select the first entry of an empty list.
    val& list = *ElementOf(id);
    const int selected = list["selectedIndex"].as<int>();
    val option = Document().call<val>("createElement", val("option"));
    option.set("textContent", text);
    list.call<void>("appendChild", option);
    list.set("selectedIndex", selected);
}

void WebDialogWindow::ClearList(int id) {
    val& list = *ElementOf(id);
    list.set("innerHTML", std::string());
    list.set("selectedIndex", -1);
}
