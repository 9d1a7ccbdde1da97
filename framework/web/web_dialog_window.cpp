#include "framework/web/web_dialog_window.h"

#include <emscripten.h>

#include <algorithm>

#include "framework/icon.h"
#include "framework/resources/captions.h"
#include "framework/resources/icon_group.h"

using emscripten::val;

namespace {

using namespace template_style;

val Page() {
    return val::module_property("vardolin");
}

val Document() {
    return val::global("document");
}

val Element(const char* tag, const char* className) {
    val element = Document().call<val>("createElement", val(tag));
    element.set("className", val(className));
    return element;
}

// A length in dialog units as em of the page's font, horizontally or vertically.
std::string Em(int units, bool horizontal) {
    const val base = Page()["baseUnits"];
    const double perUnit =
        horizontal ? base["width"].as<double>() / 4 : base["height"].as<double>() / 8;
    return std::to_string(units * perUnit) + "em";
}

void Place(val& element, const DialogControl& control, int height) {
    val style = element["style"];
    style.set("left", Em(control.x, true));
    style.set("top", Em(control.y, false));
    style.set("width", Em(control.cx, true));
    style.set("height", Em(height, false));
}

// The icon as a canvas, drawn pixel for pixel from the icon resource.
val IconCanvas(HICON icon) {
    val canvas = Element("canvas", "icon");
    if (icon == nullptr) {
        return canvas;
    }
    canvas.set("width", icon->width);
    canvas.set("height", icon->height);
    val context = canvas.call<val>("getContext", val("2d"));
    val pixels = context.call<val>("createImageData", icon->width, icon->height);
    val data = pixels["data"];
    for (std::size_t i = 0; i < icon->pixels.size(); ++i) {
        const std::uint32_t argb = icon->pixels[i];
        data.set(4 * i, (argb >> 16) & 0xFF);
        data.set(4 * i + 1, (argb >> 8) & 0xFF);
        data.set(4 * i + 2, argb & 0xFF);
        data.set(4 * i + 3, argb >> 24);
    }
    context.call<void>("putImageData", pixels, 0, 0);
    return canvas;
}

bool IsPushButton(const DialogControl& control) {
    return control.IsClass(ControlClass::Button) && !control.IsToggle();
}

}  // namespace

WebDialogWindow::WebDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate,
                                 WebDialogWindow* owner, int windowId)
    : dialog_(dialog),
      owner_(owner),
      windowId_(windowId),
      root_(val::null()),
      client_(val::null()),
      menu_(val::null()),
      hasSystemMenu_(dialogTemplate.style & SysMenu) {
    Build(dialogTemplate);
}

WebDialogWindow::~WebDialogWindow() {
    dialog_.DetachWindow();
    Page().call<void>("closeWindow", root_, owner_ != nullptr ? owner_->root_ : val::null());
}

void WebDialogWindow::Build(const DialogTemplate& dialogTemplate) {
    root_ = Element("div", "dialog");
    root_.call<void>("setAttribute", val("role"), val("dialog"));
    root_.call<void>("setAttribute", val("aria-modal"), val("true"));
    val titleBar = Element("div", "titlebar");
    val title = Element("span", "title");
    const std::string titleId = "vardolin-title-" + std::to_string(windowId_);
    title.set("id", titleId);
    title.set("textContent", dialogTemplate.caption);
    root_.call<void>("setAttribute", val("aria-labelledby"), val(titleId));
    titleBar.call<void>("appendChild", title);
    if (hasSystemMenu_) {
        val close = Element("button", "close");
        close.set("textContent", std::string("\xC3\x97"));
        close.call<void>("setAttribute", val("aria-label"), val("Close"));
        close.set("tabIndex", -1);
        Page().call<void>("onClick", close, windowId_, val("syscommand"), SC_CLOSE);
        titleBar.call<void>("appendChild", close);
    }
    root_.call<void>("appendChild", titleBar);

    client_ = Element("div", "client");
    val style = client_["style"];
    style.set("width", Em(dialogTemplate.cx, true));
    style.set("height", Em(dialogTemplate.cy, false));
    root_.call<void>("appendChild", client_);
    for (const DialogControl& control : dialogTemplate.controls) {
        val element = BuildControl(control);
        client_.call<void>("appendChild", element);
        if (control.id != -1) {
            controls_.emplace(control.id, Control{control, element});
        }
        if (control.IsDefaultButton()) {
            defaultButton_ = control.id;
        }
        if (control.IsTabStop() && control.id != -1) {
            tabStops_.push_back(control.id);
        }
    }
    NameBoxesAfterTheirCaptions(dialogTemplate);

    menu_ = Element("div", "window-menu");
    menu_.call<void>("setAttribute", val("role"), val("menu"));
    menu_.set("hidden", true);
    root_.call<void>("appendChild", menu_);
    if (hasSystemMenu_) {
        AppendSystemMenu(MF_STRING, SC_CLOSE, "Close");
    }
    Page().call<void>("openWindow", root_, windowId_,
                      owner_ != nullptr ? owner_->root_ : val::null());
}

val WebDialogWindow::BuildControl(const DialogControl& control) {
    val element = val::null();
    int height = control.cy;
    const std::string text = control.title.text;
    if (control.IsClass(ControlClass::Button)) {
        element = Element("button", "button");
        element.set("textContent", text);
        if (control.IsToggle()) {
            element.call<void>("setAttribute", val("aria-pressed"), val("false"));
            element.call<void>("setAttribute", val("class"), val("button toggle"));
        } else if (control.IsDefaultButton()) {
            element.call<void>("setAttribute", val("class"), val("button default"));
        }
        Page().call<void>("onClick", element, windowId_, val("click"), control.id);
    } else if (control.IsClass(ControlClass::Edit)) {
        element = Element("input", "edit");
        element.set("type", std::string("text"));
        element.set("spellcheck", false);
        element.call<void>("setAttribute", val("autocomplete"), val("off"));
        element.set("readOnly", (control.style & EditReadOnly) != 0);
    } else if (control.IsClass(ControlClass::ComboBox)) {
        element = Element("select", "list");
        height = 12;  // closed; the template's height includes the dropped-down list
    } else {
        const std::uint32_t type = control.style & StaticType;
        if (type == StaticEtchedHorizontal || type == StaticEtchedVertical) {
            element = Element("div", "etched");
        } else if (type == StaticIcon) {
            element =
                IconCanvas(control.title.ordinal ? AfxLoadIcon(*control.title.ordinal) : nullptr);
        } else {
            element = Element("span", "label");
            element.set("textContent", ShownText(text, control.style));
        }
    }
    Place(element, control, height);
    const bool tabStop = control.IsTabStop();
    if (!control.IsClass(ControlClass::Static)) {
        element.set("tabIndex", tabStop ? 0 : -1);
        element.set("id",
                    "vardolin-" + std::to_string(windowId_) + "-" + std::to_string(control.id));
    }
    element.set("disabled", (control.style & Disabled) != 0);
    if (!(control.style & Visible)) {
        element["style"].set("visibility", std::string("hidden"));
    }
    return element;
}

void WebDialogWindow::NameBoxesAfterTheirCaptions(const DialogTemplate& dialogTemplate) {
    for (auto& entry : controls_) {
        Control& control = entry.second;
        const DialogControl& box = control.source;
        if (!box.IsClass(ControlClass::Edit) && !box.IsClass(ControlClass::ComboBox)) {
            continue;
        }
        const std::string caption = CaptionOf(dialogTemplate, box);
        if (!caption.empty()) {
            control.element.call<void>("setAttribute", val("aria-label"), val(caption));
        }
        if (const auto description = DescriptionOf(box)) {
            control.element.call<void>("setAttribute", val("aria-description"), val(*description));
            control.element.set("title", *description);
        }
    }
}

const WebDialogWindow::Control* WebDialogWindow::Find(int id) const {
    const auto found = controls_.find(id);
    return found != controls_.end() ? &found->second : nullptr;
}

int WebDialogWindow::RunModal() {
    if (dialog_.InitializeWindow(*this) && !tabStops_.empty()) {
        if (const Control* first = Find(tabStops_.front())) {
            FocusControl(*first, true);
        }
    }
    Page().call<void>("ready", root_);
    while (!result_) {
        const val event = Page().call<val>("take", windowId_);
        if (event.isNull()) {
            emscripten_sleep(10);
        } else {
            Dispatch(event);
        }
    }
    return *result_;
}

void WebDialogWindow::Dispatch(const val& event) {
    const std::string type = event["type"].as<std::string>();
    if (type == "click") {
        const int id = event["id"].as<int>();
        if (const Control* control = Find(id);
            control != nullptr && control->source.IsAutoToggle()) {
            SetCheck(id, GetCheck(id) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        }
        dialog_.SendCommand(id);
    } else if (type == "syscommand") {
        Page().call<bool>("closeMenu", menu_);
        dialog_.SendMessage(WM_SYSCOMMAND, event["id"].as<unsigned>());
    } else if (type == "menu") {
        OpenWindowMenu();
    } else if (type == "key") {
        PressKey(event);
    }
}

void WebDialogWindow::PressKey(const val& event) {
    const std::string key = event["key"].as<std::string>();
    const bool shift = event["shift"].as<bool>();
    if (key == "Tab") {
        MoveFocus(shift);
    } else if (key == "Enter") {
        const int focused = FocusedControlId();
        const Control* control = Find(focused);
        if (control != nullptr && IsPushButton(control->source)) {
            dialog_.SendCommand(focused);
        } else if (const Control* button = Find(defaultButton_);
                   button == nullptr || !button->element["disabled"].as<bool>()) {
            dialog_.SendCommand(defaultButton_);
        }
    } else if (key == "Escape") {
        if (!Page().call<bool>("closeMenu", menu_)) {
            dialog_.SendCommand(IDCANCEL);
        }
    } else if (key == "F1") {
        dialog_.SendCommand(ID_HELP);
    } else if (key == "ContextMenu" || key == "F10") {
        OpenWindowMenu();
    }
}

int WebDialogWindow::FocusedControlId() const {
    const val active = Document()["activeElement"];
    for (const auto& [id, control] : controls_) {
        if (control.element.strictlyEquals(active)) {
            return id;
        }
    }
    return 0;
}

void WebDialogWindow::MoveFocus(bool backwards) {
    std::vector<int> order;
    for (int id : tabStops_) {
        const Control* control = Find(id);
        if (!control->element["disabled"].as<bool>()) {
            order.push_back(id);
        }
    }
    if (order.empty()) {
        return;
    }
    const auto current = std::find(order.begin(), order.end(), FocusedControlId());
    std::size_t index = 0;
    if (current != order.end()) {
        const std::size_t at = static_cast<std::size_t>(current - order.begin());
        index = backwards ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
    }
    FocusControl(*Find(order[index]), true);
}

void WebDialogWindow::FocusControl(const Control& control, bool selectText) {
    control.element.call<void>("focus");
    if (selectText && control.source.IsClass(ControlClass::Edit)) {
        control.element.call<void>("select");
    }
}

void WebDialogWindow::OpenWindowMenu() {
    if (hasSystemMenu_) {
        Page().call<void>("openMenu", menu_);
    }
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
        // A focused box whose whole text is selected (as after the number notice) stays so.
        val element = control->element;
        const bool focused = element.strictlyEquals(Document()["activeElement"]);
        const bool allSelected =
            focused && element["selectionStart"].as<int>() == 0 &&
            element["selectionEnd"].as<int>() == element["value"]["length"].as<int>();
        element.set("value", text);
        if (allSelected) {
            element.call<void>("select");
        } else {
            element.call<void>("setSelectionRange", 0, 0);
        }
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

int WebDialogWindow::GetCurSel(int id) const {
    const Control* control = Find(id);
    return control != nullptr && control->source.IsClass(ControlClass::ComboBox)
               ? control->element["selectedIndex"].as<int>()
               : CB_ERR;
}

int WebDialogWindow::SetCurSel(int id, int index) {
    const Control* control = Find(id);
    if (control == nullptr || !control->source.IsClass(ControlClass::ComboBox)) {
        return CB_ERR;
    }
    const bool inList = index >= 0 && index < control->element["options"]["length"].as<int>();
    control->element.set("selectedIndex", inList ? index : -1);
    return inList ? index : CB_ERR;
}

void WebDialogWindow::ResetContent(int id) {
    if (const Control* control = Find(id);
        control != nullptr && control->source.IsClass(ControlClass::ComboBox)) {
        control->element.set("innerHTML", std::string());
        control->element.set("selectedIndex", -1);
    }
}

int WebDialogWindow::AddString(int id, const std::string& text) {
    const Control* control = Find(id);
    if (control == nullptr || !control->source.IsClass(ControlClass::ComboBox)) {
        return CB_ERR;
    }
    // Adding to a list selects nothing, as on Windows; the browser would select the first.
    const int selected = control->element["selectedIndex"].as<int>();
    val option = Document().call<val>("createElement", val("option"));
    option.set("textContent", text);
    control->element.call<void>("appendChild", option);
    control->element.set("selectedIndex", selected);
    return control->element["options"]["length"].as<int>() - 1;
}

void WebDialogWindow::NotifyNumberExpected(int id, const std::string& notice) {
    // A modal alert over this window; its own loop runs until the user confirms it.
    val alert = Page().call<val>("openNotice", root_, windowId_, val(notice));
    while (true) {
        const val event = Page().call<val>("take", windowId_);
        if (event.isNull()) {
            emscripten_sleep(10);
            continue;
        }
        const std::string type = event["type"].as<std::string>();
        if (type == "notice-done") {
            break;
        }
        if (type == "key" && event["key"].as<std::string>() == "F1") {
            dialog_.SendCommand(ID_HELP);  // the owner's help, as a notice box asks for it
        }
    }
    Page().call<void>("closeNotice", alert, root_);
    if (const Control* box = Find(id)) {
        FocusControl(*box, true);
    }
}

void WebDialogWindow::EndDialog(int result) {
    result_ = result;
}

void WebDialogWindow::AppendSystemMenu(UINT flags, UINT_PTR id, const std::string& text) {
    if (flags & MF_SEPARATOR) {
        menu_.call<void>("appendChild", Element("hr", "separator"));
        return;
    }
    val item = Element("button", "menu-item");
    item.call<void>("setAttribute", val("role"), val("menuitem"));
    item.set("textContent", ShownText(text, 0));
    Page().call<void>("onClick", item, windowId_, val("syscommand"), static_cast<unsigned>(id));
    menu_.call<void>("appendChild", item);
}

void WebDialogWindow::SetIcon(HICON icon, WPARAM size) {
    if (size == ICON_SMALL) {
        Page().call<void>("setIcon", root_, IconCanvas(icon));
    }
}

LRESULT WebDialogWindow::HandleByDefault(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_SYSCOMMAND) {
        HandleSystemCommandByDefault(dialog_, *this, wParam);
    }
    return 0;
}

RECT WebDialogWindow::GetClientRect() const {
    return {0, 0, client_["clientWidth"].as<int>(), client_["clientHeight"].as<int>()};
}
