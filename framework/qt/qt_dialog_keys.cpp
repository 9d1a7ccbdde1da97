#include "framework/qt/qt_dialog_keys.h"

#include <algorithm>

namespace {

struct QtDialogKey {
    Qt::Key key;
    DialogKey dialogKey;
};

constexpr QtDialogKey kKeys[] = {
    {Qt::Key_Tab, DialogKey::Tab},      {Qt::Key_Backtab, DialogKey::Tab},
    {Qt::Key_Return, DialogKey::Enter}, {Qt::Key_Enter, DialogKey::Enter},
    {Qt::Key_Space, DialogKey::Space},  {Qt::Key_Escape, DialogKey::Escape},
    {Qt::Key_F1, DialogKey::F1},        {Qt::Key_F4, DialogKey::F4},
    {Qt::Key_F10, DialogKey::F10},      {Qt::Key_Menu, DialogKey::ContextMenu},
};

}  // namespace

std::optional<KeyStroke> DialogKeyStrokeOf(const QKeyEvent& press) {
    const auto found = std::find_if(std::begin(kKeys), std::end(kKeys),
                                    [&press](QtDialogKey key) { return key.key == press.key(); });
    if (found == std::end(kKeys)) {
        return std::nullopt;
    }
    const Qt::KeyboardModifiers modifiers = press.modifiers();
    return KeyStroke{found->dialogKey,
                     (modifiers & Qt::ShiftModifier) != 0 || found->key == Qt::Key_Backtab,
                     (modifiers & Qt::AltModifier) != 0, (modifiers & Qt::ControlModifier) != 0};
}

std::vector<QKeyCombination> QtKeysOf(const KeyStroke& stroke) {
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::ShiftModifier, stroke.shift);
    modifiers.setFlag(Qt::AltModifier, stroke.alt);
    modifiers.setFlag(Qt::ControlModifier, stroke.control);
    std::vector<QKeyCombination> keys;
    for (const QtDialogKey& key : kKeys) {
        // Tab with Shift comes as Backtab, and only with it. The keypad's Enter is matched
        // without the keypad modifier, which a shortcut tries last.
        const bool backtab = key.key == Qt::Key_Backtab;
        if (key.dialogKey == stroke.key && (key.key != Qt::Key_Tab || !stroke.shift) &&
            (!backtab || stroke.shift)) {
            keys.emplace_back(modifiers, key.key);
        }
    }
    return keys;
}
