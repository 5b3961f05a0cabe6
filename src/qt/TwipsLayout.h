#pragma once
#include <QWidget>

namespace vantric::qt {

// Layout positions are given in twips, 15 to a pixel at 96 dots per inch; scale them for the screen.
inline int TwipsToPixels(const QWidget* widget, int twips) {
    const double dpi = widget ? widget->logicalDpiX() : 96.0;
    return static_cast<int>(twips / 15.0 * dpi / 96.0 + 0.5);
}

// Places a child at a rectangle given in twips.
inline void PlaceInTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(TwipsToPixels(widget, left), TwipsToPixels(widget, top), TwipsToPixels(widget, width),
                        TwipsToPixels(widget, height));
}

}  // namespace vantric::qt
