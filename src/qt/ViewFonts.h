#pragma once
#include <QFont>

namespace vantric::qt {

// The main window's font: a Courier face at 9.75 points (Liberation Mono where Courier is missing).
// The memory grid and the register boxes show their values in it.
inline QFont MainWindowFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(9.75);
    font.setBold(false);
    return font;
}

// Arial (or its metric twin) at the given size.
inline QFont ArialFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The dialogs' and the small labels' font: Arial 8.25 points.
inline QFont DialogFont() { return ArialFont(8.25); }

// Captions of the register panel and of "System RAM": bold Arial 9.75 points.
inline QFont CaptionFont() { return ArialFont(9.75, true); }

}  // namespace vantric::qt
