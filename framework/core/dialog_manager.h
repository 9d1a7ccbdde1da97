#pragma once

#include <vector>

#include "framework/core/window_system.h"
#include "framework/resources/dialog_template.h"

class CDialog;

// The keys a dialog acts on itself; every other key belongs to the focused control.
enum class DialogKey { Tab, Enter, Space, Escape, F1, F4, F10, ContextMenu };
inline constexpr DialogKey kDialogKeys[] = {
    DialogKey::Tab, DialogKey::Enter, DialogKey::Space, DialogKey::Escape,
    DialogKey::F1,  DialogKey::F4,    DialogKey::F10,   DialogKey::ContextMenu};

// One key press with its modifiers, as a window system reports it to the dialog manager.
struct KeyStroke {
    DialogKey key;
    bool shift = false;
    bool alt = false;
    bool control = false;

    bool operator==(const KeyStroke&) const = default;
};

// The rules of a modal dialog that users know from Windows, for window systems that have no
// dialog manager of their own (USER32 has one and does not use this):
// - The focus starts on the first enabled, visible tab stop in template order; Tab and
//   Shift+Tab move over the tab stops in that order and wrap. Tab into a box selects its text.
// - Enter presses a focused push button, otherwise the default button (if it is enabled).
// - Space presses a focused button; an automatic check box or radio button toggles first.
// - Escape cancels (IDCANCEL), Alt+F4 is the system command Close, F1 the help command.
// - The Menu key and Shift+F10 open the window menu, except in a text box, whose own edit menu
//   they open.
// The window system reports keys and clicks and provides the primitives of DialogWindow.
class DialogManager {
public:
    DialogManager(CDialog& dialog, DialogWindow& window, const DialogTemplate& dialogTemplate);

    // Puts the focus on the first enabled, visible tab stop, where a dialog starts when its
    // initialisation asks for it.
    void SetInitialFocus();

    // A key pressed anywhere in the dialog. True when the dialog took it; otherwise it belongs
    // to the focused control.
    bool PressKey(const KeyStroke& stroke);

    // Whether the dialog takes `stroke` while control `focused` has the focus (0: none of its
    // controls), which PressKey then acts on.
    bool TakesKey(const KeyStroke& stroke, int focused) const;
    // Every key with every combination of Shift, Alt and Ctrl that the dialog takes while
    // control `focused` has the focus: for a window system that must decide before the dialog
    // runs whether a key is the dialog's or the control's (the web page).
    std::vector<KeyStroke> KeysTaken(int focused) const;
    // Every key stroke that a dialog takes with some kind of control focused, or none: the keys
    // that must reach an open modal box wherever the keyboard is.
    static std::vector<KeyStroke> KeysAnyDialogTakes();
    // Every key stroke that a message box takes, with the focus on its one push button: for a
    // window system that shows message boxes of its own (the page's notice).
    static std::vector<KeyStroke> KeysAMessageBoxTakes();
    // What a key stroke does in such a message box, whose OK is its default and only button and
    // what cancelling it means: Enter, Space, Escape and Alt+F4 close it, F1 asks for help.
    enum class MessageBoxAnswer { None, Close, Help };
    static MessageBoxAnswer AnswerOfAMessageBox(const KeyStroke& stroke);

    // A click on button `id` (by mouse, touch or Space).
    void ClickButton(int id);

private:
    // What the focused control is, as far as the dialog's keys care.
    enum class Focus { None, Button, Text, Other };
    static bool TakesKey(const KeyStroke& stroke, Focus focus);
    // Every stroke of the dialog's keys with every combination of Shift, Alt and Ctrl that
    // `taken` accepts.
    template <typename Taken>
    static std::vector<KeyStroke> StrokesWhere(Taken taken);

    struct Control {
        int id;
        bool pushButton;
        bool autoToggle;
        bool button;
        bool edit;
        bool tabStop;
    };

    const Control* Find(int id) const;
    bool CanTakeFocus(const Control& control) const;
    void MoveFocus(bool backwards);
    void PressEnter();

    CDialog& dialog_;
    DialogWindow& window_;
    std::vector<Control> controls_;  // template order
    int defaultButton_ = IDOK;
};
