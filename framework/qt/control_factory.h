#pragma once

#include <QWidget>

#include "framework/qt/dialog_units.h"
#include "framework/resources/dialog_template.h"

// What a template control became on Qt, for the dialog manager's keyboard handling.
enum class ControlKind {
    PushButton,  // BS_PUSHBUTTON, BS_DEFPUSHBUTTON
    Toggle,      // automatic check boxes and radio buttons, push-like or not
    Edit,
    ComboBox,
    Static,
};

struct BuiltControl {
    QWidget* widget;
    ControlKind kind;
};

// The Qt property that holds a widget's control id.
inline constexpr char kControlIdProperty[] = "controlId";

// Builds the widget for one template control, placed in dialog units of `units`.
BuiltControl BuildControl(const DialogControl& control, QWidget* parent,
                          const DialogBaseUnits& units);

// Places a built control where the template puts it in dialog units of `units`, moved by
// `offset` pixels.
void PlaceControl(const DialogControl& control, const BuiltControl& built,
                  const DialogBaseUnits& units, QPoint offset = {});
