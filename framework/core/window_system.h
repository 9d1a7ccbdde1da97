#pragma once

#include <cstdint>
#include <string>

#include "framework/core/win_types.h"

class CDialog;
class CWnd;
struct DialogTemplate;

// Painting a minimised window's client area, which only some window systems show (USER32; the
// in-memory window keeps what was drawn): the client area, the device context as a message
// parameter for one paint, drawing into it, and its end.
class MinimizedPainting {
public:
    virtual RECT GetClientRect() const = 0;
    virtual WPARAM BeginPaint() = 0;
    virtual void DrawIcon(WPARAM context, int x, int y, HICON icon) = 0;
    virtual void EndPaint(WPARAM context) = 0;

protected:
    ~MinimizedPainting() = default;
};

// A running dialog's window as the framework sees it: what the framework asks of the window
// system while a dialog is shown. Control ids are those of the dialog template.
class DialogWindow {
public:
    virtual ~DialogWindow() = default;

    virtual std::string GetItemText(int id) const = 0;
    virtual void SetItemText(int id, const std::string& text) = 0;

    // A button's check state: BST_UNCHECKED or BST_CHECKED.
    virtual int GetCheck(int id) const = 0;
    virtual void SetCheck(int id, int state) = 0;

    // A drop-down list's selected position, or CB_ERR when nothing is selected.
    virtual int GetCurSel(int id) const = 0;
    // Selects a position; one outside the list clears the selection and gives CB_ERR.
    virtual int SetCurSel(int id, int index) = 0;
    virtual void ResetContent(int id) = 0;
    // Appends an entry and returns its position, or CB_ERR when there is no such list.
    virtual int AddString(int id, const std::string& text) = 0;

    // The control that has the keyboard focus, or 0 when none of the dialog's controls has it.
    virtual int GetFocusedItem() const = 0;
    // Puts the keyboard focus on control `id`. With `selectText` an edit box's whole text is
    // selected, ready to be typed over; without, its caret goes to the start.
    virtual void FocusItem(int id, bool selectText) = 0;
    // Whether edit box `id` has its whole text selected (an empty box's included).
    virtual bool IsWholeTextSelected(int id) const = 0;
    virtual bool IsItemEnabled(int id) const = 0;
    virtual bool IsItemVisible(int id) const = 0;

    // Shows `text` in a modal message box over the window, titled with the window's caption,
    // and returns once the user has confirmed it.
    virtual void ShowNotice(const std::string& text) = 0;

    // Ends the dialog's modal run with `result` once the current message is handled.
    virtual void EndDialog(int result) = 0;

    // Whether the window has a system menu (or the window system's stand-in for one), and
    // appending an item to it: MF_SEPARATOR, or MF_STRING with a command id and a text.
    virtual bool HasSystemMenu() const = 0;
    virtual void AppendSystemMenu(UINT flags, UINT_PTR id, const std::string& text) = 0;
    // Opens that menu at the window's top left, as Shift+F10 or the Menu key do.
    virtual void OpenWindowMenu() = 0;

    // The window's big (ICON_BIG) or small (ICON_SMALL) icon.
    virtual void SetIcon(HICON icon, WPARAM size) = 0;

    // What the window system does with a message that the dialog's map does not handle.
    virtual LRESULT HandleByDefault(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    virtual bool IsIconic() const = 0;
    // Minimises the window; the window system shows it again when the user asks for it.
    virtual void Minimize() = 0;

    // Painting into the window while it is minimised, where the window system shows a minimised
    // window's client area; null where it shows none.
    virtual MinimizedPainting* Painting() { return nullptr; }
};

// Shows dialogs: one implementation per window system.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Builds the dialog's window from its template, centred on the screen or over its owner,
    // initialises the dialog (CDialog::InitializeWindow), runs the modal loop until EndDialog,
    // and returns the result given to EndDialog.
    virtual INT_PTR RunModalDialog(CDialog& dialog, const DialogTemplate& dialogTemplate,
                                   DialogWindow* owner) = 0;

    // Icon group `id` of the program at the large icon size (32 x 32), kept for the life of the
    // program; null when there is none. By default made from the program's resource image.
    virtual HICON LoadProgramIcon(std::uint16_t id);

    // Tells the user that the program cannot go on: one line on the standard error stream, and
    // where the platform shows no console, a message box too.
    virtual void ShowError(const std::string& text);
};

// The window system that dialogs are shown on; none until the program's start-up or a test
// installs one.
WindowSystem* AfxGetWindowSystem();

// Reports a failure that keeps the program from doing its work (no resources, a dialog without
// its template) through the window system's ShowError, or on the standard error stream without
// one. The program's exit status then says that it failed.
void AfxReportFailure(const std::string& text);
// How many failures were reported so far.
int AfxFailureCount();

// Makes a window system the one dialogs are shown on for the life of this object, then puts
// back the one before.
class ScopedWindowSystem {
public:
    explicit ScopedWindowSystem(WindowSystem& windowSystem);
    ~ScopedWindowSystem();
    ScopedWindowSystem(const ScopedWindowSystem&) = delete;
    ScopedWindowSystem& operator=(const ScopedWindowSystem&) = delete;

private:
    WindowSystem* previous_;
};
