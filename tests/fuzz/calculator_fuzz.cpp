// Random sequences of what a user can do in the calculator window, with random texts in the
// boxes. After every step the window must stay usable: the Cent box reads back as a number, the
// octave numbering agrees with the pressed toggle and the labels name notes of the table.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "calculator/tuning_dlg.h"
#include "framework/core/float_text.h"
#include "framework/core/program_resources.h"
#include "framework/core/resource_module.h"
#include "framework/memory/memory_window.h"
#include "res/resource.h"

namespace {

class ProbedTuningDlg : public CTuningDlg {
public:
    int octaveOffset() const { return m_nOctaveOffset; }
};

// Takes bytes from the input one at a time; zeros once it is used up.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return position_ >= size_; }
    std::uint8_t Byte() { return position_ < size_ ? data_[position_++] : 0; }
    std::string Text() {
        std::string text;
        for (std::uint8_t length = Byte() % 16; length > 0 && !empty(); --length) {
            text.push_back(static_cast<char>(Byte()));
        }
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// A label is empty (no note) or a note name followed by an octave number of the convention.
void CheckLabel(const std::string& label, int octaveOffset) {
    if (label.empty()) {
        return;
    }
    Check(label.size() >= 3);
    const int octave = std::atoi(label.c_str() + 2);
    Check(octave >= octaveOffset && octave <= octaveOffset + 10);
}

constexpr int kBoxes[] = {IDC_VALUE, IDC_REFERENCE, IDC_CENT_IN, IDC_TONE, IDC_CENT};
constexpr int kButtons[] = {IDOK, IDC_ROLAND, IDC_YAMAHA, IDC_CALC_FREQ};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool resourcesLoaded = AfxSetResourceImage(AfxProgramResourceImage());
    Check(resourcesLoaded);
    MemoryWindowSystem aboutBoxes([](MemoryDialogWindow& about) { about.PressEscape(); });
    const ScopedWindowSystem shown(aboutBoxes);

    ProbedTuningDlg dialog;
    auto window = MemoryWindowSystem::Open(dialog);
    Check(window != nullptr);
    Input input(data, size);
    while (!input.empty() && !window->ended()) {
        switch (input.Byte() % 6) {
            case 0:
                window->Type(kBoxes[input.Byte() % std::size(kBoxes)], input.Text());
                break;
            case 1:
                window->SetItemText(kBoxes[input.Byte() % std::size(kBoxes)], input.Text());
                break;
            case 2:
                window->Click(kButtons[input.Byte() % std::size(kButtons)]);
                break;
            case 3:
                window->Choose(IDC_NOTE, static_cast<int>(input.Byte() % 14) - 1);
                break;
            case 4:
                window->Choose(IDC_OCTAVE, static_cast<int>(input.Byte() % 13) - 1);
                break;
            case 5:
                window->ChooseSystemMenu(input.Byte() % 2 ? IDM_ABOUTBOX : 0x0020);
                break;
        }
        if (window->ended()) {
            break;
        }
        // The result boxes hold what the form wrote unless this step wrote into them itself.
        const bool yamaha = window->GetCheck(IDC_YAMAHA) == BST_CHECKED;
        const bool roland = window->GetCheck(IDC_ROLAND) == BST_CHECKED;
        if (yamaha != roland) {
            Check(dialog.octaveOffset() == (yamaha ? -2 : -1));
        }
        window->Click(IDOK);
        Check(ParseFloatText(window->Text(IDC_CENT)).has_value());
        CheckLabel(window->Text(IDC_TONE), dialog.octaveOffset());
    }
    return 0;
}
