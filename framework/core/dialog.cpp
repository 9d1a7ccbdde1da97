#include "framework/core/dialog.h"

#include <string>

#include "framework/core/app.h"
#include "framework/core/modal_boxes.h"

#include "framework/core/resource_module.h"
#include "framework/resources/dialog_init.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

const MessageMap* CDialog::GetThisMessageMap() {
    static constexpr MessageMapEntry entries[] = {
        MapCommand<&CDialog::OnOK>(IDOK),
        MapCommand<&CDialog::OnCancel>(IDCANCEL),
    };
    static constexpr MessageMap map{&CWnd::GetThisMessageMap, entries};
    return &map;
}

namespace {

std::optional<DialogTemplate> LoadTemplateWithId(UINT id) {
    const auto bytes =
        AfxGetResourceImage().Find(ResourceType::Dialog, static_cast<std::uint16_t>(id));
    return bytes ? ParseDialogTemplate(*bytes) : std::nullopt;
}

}  // namespace

std::optional<DialogTemplate> CDialog::LoadTemplate() const {
    return LoadTemplateWithId(templateId_);
}

std::optional<DialogTemplate> CDialog::LoadNarrowLayout() const {
    return LoadTemplateWithId(templateId_ + kNarrowLayoutOffset);
}

const CWnd* CDialog::DefaultOwner() const {
    // The main window's last active popup: the innermost dialog open over it, or the main
    // window itself. Nested boxes chain, and each keeps everything below it disabled.
    const CWinApp* app = AfxGetApp();
    if (app == nullptr || app->m_pMainWnd == nullptr || app->m_pMainWnd == this) {
        return nullptr;
    }
    const CWnd* innermost = OpenModalBox::InnermostDialog();
    return innermost != nullptr ? innermost : app->m_pMainWnd;
}

INT_PTR CDialog::DoModal() {
    WindowSystem* windowSystem = AfxGetWindowSystem();
    if (windowSystem == nullptr) {
        return -1;
    }
    const auto dialogTemplate = LoadTemplate();
    if (!dialogTemplate) {
        AfxReportFailure("cannot show dialog " + std::to_string(templateId_) +
                         ": the program's resources have no readable template for it");
        return -1;
    }
    const CWnd* parent = parent_ != nullptr ? parent_ : DefaultOwner();
    DialogWindow* owner = parent != nullptr ? parent->GetDialogWindow() : nullptr;
    const OpenModalBox open(this);
    return windowSystem->RunModalDialog(*this, *dialogTemplate, owner);
}

void CDialog::EndDialog(int result) {
    if (DialogWindow* window = GetDialogWindow()) {
        window->EndDialog(result);
    }
}

BOOL CDialog::InitializeWindow(DialogWindow& window) {
    AttachWindow(&window);
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
    ExecuteDialogInit();
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::ExecuteDialogInit() {
    DialogWindow* window = GetDialogWindow();
    const auto bytes = AfxGetResourceImage().Find(ResourceType::DialogInit,
                                                  static_cast<std::uint16_t>(templateId_));
    if (window == nullptr || !bytes) {
        return;
    }
    const auto records = ParseDialogInit(*bytes);
    if (!records) {
        return;
    }
    for (const DialogInitRecord& record : *records) {
        if (record.message == DialogInitComboAddString) {
            window->AddString(record.controlId, record.text);
        }
    }
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
