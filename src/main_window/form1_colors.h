// The main window's design colours, shared by its layout and its tab modes.
#pragma once

#include "app/layout.h"

#include <QGuiApplication>
#include <QPalette>

namespace form1 {

inline QColor backColor() { return app::bgr(0x00FFFFC0); }

// The orange that marks the result label.
inline QColor resultColor() { return app::bgr(0x000080FF); }

// The system's button-text colour, the labels' ordinary text colour.
inline QColor buttonTextColor() { return QGuiApplication::palette().color(QPalette::ButtonText); }

}  // namespace form1
