#pragma once

#include <optional>

#include "framework/core/wnd.h"
#include "framework/resources/dialog_template.h"

// A modal dialog built from a dialog template of the program's resources.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    const MessageMap* GetMessageMap() const override { return GetThisMessageMap(); }
    static const MessageMap* GetThisMessageMap();

    // Shows the dialog and runs it until EndDialog; returns the value given to EndDialog, or -1
    // when the dialog could not be shown (no window system, or no template: a failure that is
    // reported to the user, see AfxReportFailure). Its owner (the parent,
    // or without one the main window's innermost open box) takes no input meanwhile.
    virtual INT_PTR DoModal();

    // Ends the modal run with `result`.
    void EndDialog(int result);

    UINT GetTemplateId() const { return templateId_; }

    // The dialog's template from the program's resources, or nothing when it has none.
    std::optional<DialogTemplate> LoadTemplate() const;

    // The dialog's layout for narrow screens, where the resources have one: the template whose
    // id is the dialog's plus kNarrowLayoutOffset, with the same controls in the same order,
    // placed for a phone. The web page shows it where the screen is too narrow for the other.
    static constexpr UINT kNarrowLayoutOffset = 0x1000;
    std::optional<DialogTemplate> LoadNarrowLayout() const;

    // Called by the window system once the window exists: attaches it and runs OnInitDialog.
    // TRUE asks the window system to put the focus on the first control that takes it.
    BOOL InitializeWindow(DialogWindow& window);

    // Called by the window system when the window is gone.
    void DetachWindow() { AttachWindow(nullptr); }

protected:
    // Fills the drop-down lists from the template's initialisation data, then writes every
    // field into its control. Returns TRUE.
    virtual BOOL OnInitDialog();

    // The default button: reads the controls and ends the dialog with IDOK if all were read.
    virtual void OnOK();

    // Escape, the close box: ends the dialog with IDCANCEL.
    virtual void OnCancel();

private:
    void ExecuteDialogInit();
    // Who owns the dialog when it was given no parent.
    const CWnd* DefaultOwner() const;

    UINT templateId_;
    CWnd* parent_;
};
