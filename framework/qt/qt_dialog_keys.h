#pragma once

#include <QKeyCombination>
#include <QKeyEvent>
#include <optional>
#include <vector>

#include "framework/core/dialog_manager.h"

// The dialog's keys as Qt names them: Return and the keypad's Enter are both Enter, and Qt
// reports Shift+Tab as Backtab.

// The dialog's key stroke that `press` makes, or none for a key that belongs to the control.
std::optional<KeyStroke> DialogKeyStrokeOf(const QKeyEvent& press);

// The Qt keys with modifiers that make `stroke`, for a shortcut that must catch it.
std::vector<QKeyCombination> QtKeysOf(const KeyStroke& stroke);
