#pragma once

#include <QColor>

// WCAG's contrast ratio of two colours, from 1 (the same) to 21 (black on white): text wants
// 4.5:1, and what tells a control or its state from its ground 3:1.
double ContrastRatio(const QColor& a, const QColor& b);
