#include "framework/core/modal_boxes.h"

#include <vector>

namespace {

// The open boxes, innermost last; a notice is a null entry.
std::vector<CWnd*>& OpenBoxes() {
    static std::vector<CWnd*> boxes;
    return boxes;
}

}  // namespace

OpenModalBox::OpenModalBox(CWnd* dialog) {
    OpenBoxes().push_back(dialog);
}

OpenModalBox::~OpenModalBox() {
    OpenBoxes().pop_back();
}

CWnd* OpenModalBox::InnermostDialog() {
    for (auto box = OpenBoxes().rbegin(); box != OpenBoxes().rend(); ++box) {
        if (*box != nullptr) {
            return *box;
        }
    }
    return nullptr;
}

bool OpenModalBox::NothingOpenOver(const CWnd& window) {
    return OpenBoxes().empty() || OpenBoxes().back() == &window;
}
